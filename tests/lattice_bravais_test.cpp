// Every Bravais type, exact and perturbed, in random primitive settings and in its own.
#include <gtest/gtest.h>

#include <cmath>

#include "lattice/metric.hpp"
#include "lattice_fixtures.hpp"

namespace {

using namespace lattice;
using lattice_test::bravais_example;

void expect_same_cell(const cell& actual, const cell& expected, double relative) {
  auto x = actual.parameters(), y = expected.parameters();
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(x[i], y[i], relative * y[i]) << "parameter " << i;
}

double volume(const cell& c) {
  return volume_of(metric_of(c));
}

// Monoclinic and triclinic cells have several standard-looking settings; the lattice fixes the
// unique axis, the volume and that β is obtuse. Betas within 3° of each other rank by the
// shorter a, so the chosen β may exceed the example's by less than that.
void expect_conventional(const lattice_entry& top, const bravais_example& example) {
  const cell& found = top.ideal;
  switch (example.type) {
    case bravais_type::aP:
      EXPECT_NEAR(volume(found), volume(example.conventional), 1e-6 * volume(found));
      break;
    case bravais_type::mP:
    case bravais_type::mC:
      EXPECT_NEAR(found.b, example.conventional.b, 1e-6 * found.b);
      EXPECT_NEAR(volume(found), volume(example.conventional), 1e-6 * volume(found));
      EXPECT_NEAR(found.alpha, 90, 1e-6);
      EXPECT_NEAR(found.gamma, 90, 1e-6);
      EXPECT_GE(found.beta, 90 - 1e-6);
      EXPECT_LT(found.beta, example.conventional.beta + 3);
      break;
    default:
      expect_same_cell(found, example.conventional, 1e-6);
  }
}

// The change of basis must carry the input cell onto the conventional cell.
void expect_matrix_carries(const cell& input, const lattice_entry& e) {
  cell carried = cell_of(transformed(metric_of(input), e.matrix.to_real()));
  expect_same_cell(carried, e.conventional, 1e-9);
}

class BravaisTypes : public testing::TestWithParam<bravais_example> {};

TEST_P(BravaisTypes, ExactLatticeInRandomSettingsHasItsTypeAtZeroDelta) {
  const bravais_example& example = GetParam();
  std::mt19937 random(static_cast<unsigned>(example.type) + 7);
  for (int trial = 0; trial < 12; ++trial) {
    cell input = lattice_test::primitive_setting(example.conventional, example.centring_type,
                                                 lattice_test::random_unimodular(random));
    SCOPED_TRACE(lattice_test::describe(input));
    analysis a = analyse(input, {});
    ASSERT_FALSE(a.lattices.empty());
    const lattice_entry& top = a.lattices.front();
    EXPECT_EQ(top.bravais, example.type);
    EXPECT_LT(top.delta, 1e-5);
    expect_conventional(top, example);
    expect_same_cell(top.conventional, top.ideal, 1e-6);
    EXPECT_EQ(static_cast<int>(a.lattices.size()), example.subgroup_count);
    // Its Niggli cell, given as the input, is the same lattice.
    analysis from_reduced = analyse(a.reduced, {});
    EXPECT_EQ(from_reduced.lattices.front().bravais, example.type);
    EXPECT_EQ(from_reduced.lattices.size(), a.lattices.size());
    expect_same_cell(from_reduced.lattices.front().ideal, top.ideal, 1e-6);
    for (const lattice_entry& e : a.lattices) {
      EXPECT_EQ(e.index, 1);
      EXPECT_LT(e.delta, 1e-5);  // acos near 1 leaves about 1e-6°
      expect_matrix_carries(input, e);
    }
  }
}

TEST_P(BravaisTypes, ConventionalCellGivenWithItsCentringKeepsItsAxes) {
  const bravais_example& example = GetParam();
  analysis a = analyse(example.conventional, {example.centring_type});
  const lattice_entry& top = a.lattices.front();
  EXPECT_EQ(top.bravais, example.type);
  expect_conventional(top, example);
  if (example.type != bravais_type::aP && example.type != bravais_type::mC) {
    EXPECT_EQ(change_of_basis_text(top.matrix), "a,b,c");
  }
  if (example.type == bravais_type::hR) {
    ASSERT_TRUE(top.rhombohedral.has_value());
    EXPECT_NEAR(volume(*top.rhombohedral) * 3, volume(top.conventional), 1e-6);
    EXPECT_NEAR(top.rhombohedral->a, top.rhombohedral->c, 1e-9);
  }
}

TEST_P(BravaisTypes, PerturbedLatticeKeepsItsTypeAtSmallDelta) {
  const bravais_example& example = GetParam();
  std::mt19937 random(static_cast<unsigned>(example.type) + 101);
  for (int trial = 0; trial < 12; ++trial) {
    // Measurement noise on the conventional cell, then a random primitive setting.
    cell noisy = lattice_test::perturbed(example.conventional, 0.002, 0.05, random);
    cell input = lattice_test::primitive_setting(noisy, example.centring_type,
                                                 lattice_test::random_unimodular(random));
    SCOPED_TRACE(lattice_test::describe(input));
    analysis a = analyse(input, {});
    const lattice_entry& top = a.lattices.front();
    EXPECT_EQ(top.bravais, example.type);
    if (example.type != bravais_type::aP) {
      EXPECT_GT(top.delta, 0);
    }
    EXPECT_LT(top.delta, 0.6);
    EXPECT_LT(top.length_deviation, 0.01 * top.conventional.c + 0.05);
  }
}

// δ is the critical limit: the entry appears at a limit just above it and not just below.
TEST_P(BravaisTypes, DeltaIsTheSmallestLimitAtWhichTheTypeAppears) {
  const bravais_example& example = GetParam();
  std::mt19937 random(static_cast<unsigned>(example.type) + 211);
  cell input = lattice_test::perturbed(example.conventional, 0.004, 0.2, random);
  analysis_options options{example.centring_type};
  auto top_type = [&](double limit) {
    options.delta_limit = limit;
    return analyse(input, options).lattices.front().bravais;
  };
  const double delta = analyse(input, options).lattices.front().delta;
  if (example.type == bravais_type::aP) {  // no two-fold: aP at any limit
    EXPECT_EQ(delta, 0);
    EXPECT_EQ(top_type(0.001), bravais_type::aP);
    return;
  }
  ASSERT_GT(delta, 0.01);
  EXPECT_EQ(top_type(delta * 1.001), example.type);
  EXPECT_NE(top_type(delta * 0.999), example.type);
}

INSTANTIATE_TEST_SUITE_P(AllFourteen, BravaisTypes,
                         testing::ValuesIn(lattice_test::bravais_examples()),
                         [](const testing::TestParamInfo<bravais_example>& tested) {
                           return std::string(bravais_name(tested.param.type));
                         });

}  // namespace
