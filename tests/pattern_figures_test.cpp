// M_N and F_N worked by hand on small indexed patterns, the esd notation, and the reflection
// conditions of the centrings against gemmi's.
#include <gtest/gtest.h>

#include <cmath>
#include <gemmi/symmetry.hpp>

#include "pattern/esd_text.hpp"
#include "pattern/evidence_output.hpp"

namespace quarvel::testing {
namespace {

// Calculated lines at Q = 0.01 k (k = 1..count) and, as figures_of sees them, at 2θ = k°.
pattern::indexed_pattern calculated(int count) {
  pattern::indexed_pattern p;
  for (int k = 1; k <= count; ++k) {
    p.calculated.push_back({0.01 * k, {k, 0, 0}});
    p.calculated_two_theta.push_back(k);
  }
  return p;
}

void observe(pattern::indexed_pattern& p, double q, double two_theta,
             std::optional<std::size_t> line) {
  p.observed_q.push_back(q);
  p.observed_two_theta.push_back(two_theta);
  p.match.push_back(line);
}

TEST(PatternFigures, FourLinesOneUnindexed) {
  pattern::indexed_pattern p = calculated(4);
  observe(p, 0.0101, 1.01, 0);  // |ΔQ| 0.0001, |Δ2θ| 0.01
  observe(p, 0.0203, 2.02, 1);  // |ΔQ| 0.0003, |Δ2θ| 0.02
  observe(p, 0.0250, 2.50, std::nullopt);
  observe(p, 0.0300, 3.00, 2);  // |ΔQ| 0,      |Δ2θ| 0
  const pattern::figures_of_merit f = pattern::figures_of(p);
  // M: N = 4, Q_N = 0.03, ε = (0.0001 + 0.0003 + 0) / 3, N_calc = 3 (Q 0.01, 0.02, 0.03);
  // M_4 = 0.03 / (2 · 0.0004/3 · 3) = 0.03 / 0.0008 = 37.5.
  EXPECT_EQ(f.m_n, 4);
  EXPECT_EQ(f.calculated_count, 3);
  EXPECT_NEAR(f.mean_q_error, 0.0004 / 3, 1e-15);
  EXPECT_NEAR(f.m, 37.5, 1e-9);
  // F: N = 4, |Δ2θ| = (0.01 + 0.02 + 0) / 3 = 0.01, N_poss = 3 (2θ ≤ 3°);
  // F_4 = 4 / (0.01 · 3) = 133.33.
  EXPECT_EQ(f.f_n, 4);
  EXPECT_EQ(f.possible, 3);
  EXPECT_NEAR(f.mean_delta_two_theta, 0.01, 1e-12);
  EXPECT_NEAR(f.f, 400.0 / 3, 1e-9);
  EXPECT_EQ(f.unindexed, 1);
  EXPECT_EQ(f.unindexed_first_n, 1);
}

TEST(PatternFigures, TwentyFiveLinesStopMAtTwentyAndFAtAll) {
  pattern::indexed_pattern p = calculated(40);
  for (int i = 1; i <= 25; ++i)
    observe(p, 0.01 * i + 0.0001, i + 0.01, static_cast<std::size_t>(i - 1));
  // The 25th line is unindexed from here on: it counts for F's N but not in its mean.
  p.match[24] = std::nullopt;
  const pattern::figures_of_merit f = pattern::figures_of(p);
  // M: N = 20, Q_20 = 0.2001, ε = 0.0001, N_calc = 20 (Q ≤ 0.2001);
  // M_20 = 0.2001 / (2 · 0.0001 · 20) = 50.025.
  EXPECT_EQ(f.m_n, 20);
  EXPECT_EQ(f.calculated_count, 20);
  EXPECT_NEAR(f.m, 50.025, 1e-6);
  // F: N = 25, |Δ2θ| = 0.01 over 24 lines, N_poss = 25 (2θ ≤ 25.01°);
  // F_25 = 25 / (0.01 · 25) = 100.
  EXPECT_EQ(f.f_n, 25);
  EXPECT_EQ(f.possible, 25);
  EXPECT_NEAR(f.f, 100, 1e-6);
  EXPECT_EQ(f.unindexed, 1);
  EXPECT_EQ(f.unindexed_first_n, 0);
  EXPECT_EQ(pattern::f_text(f), "F25 = 100.0 (0.0100, 25)");
  EXPECT_EQ(pattern::m_text(f), "M20 = 50.0");
}

TEST(PatternFigures, NoIndexedLineGivesZeroAndAnExactFitInfinity) {
  pattern::indexed_pattern none = calculated(3);
  for (int i = 1; i <= 3; ++i) observe(none, 0.5 + i, 50 + i, std::nullopt);
  EXPECT_EQ(pattern::figures_of(none).m, 0);
  EXPECT_EQ(pattern::figures_of(none).f, 0);
  pattern::indexed_pattern exact = calculated(3);
  for (int i = 1; i <= 3; ++i) observe(exact, 0.01 * i, i, static_cast<std::size_t>(i - 1));
  EXPECT_TRUE(std::isinf(pattern::figures_of(exact).m));
  EXPECT_TRUE(std::isinf(pattern::figures_of(exact).f));
}

TEST(PatternFigures, EsdNotationKeepsTheLastDigitsBetweenTwoAndNineteen) {
  const struct {
    double value, esd;
    const char* text;
  } rows[] = {
      {5.431021, 0.00007, "5.43102(7)"},
      {5.431021, 0.00015, "5.43102(15)"},
      {5.431021, 0.00025, "5.4310(3)"},
      {5.431021, 0.0000196, "5.43102(2)"},
      {90.0, 0.0, "90.000"},
      {123.4, 25, "123(25)"},
      {-0.0123, 0.0031, "-0.012(3)"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(pattern::esd_text(row.value, row.esd, 3), row.text) << row.esd;
}

// gemmi's systematic absences of the Hall symbol with only the centring's translations.
TEST(PatternFigures, CentringConditionsAgreeWithGemmi) {
  const struct {
    lattice::centring centred;
    const char* hall;
  } rows[] = {{lattice::centring::P, "P 1"}, {lattice::centring::A, "A 1"},
              {lattice::centring::B, "B 1"}, {lattice::centring::C, "C 1"},
              {lattice::centring::I, "I 1"}, {lattice::centring::F, "F 1"},
              {lattice::centring::R, "R 1"}};
  for (const auto& row : rows) {
    const gemmi::GroupOps ops = gemmi::symops_from_hall(row.hall);
    for (int h = -4; h <= 4; ++h)
      for (int k = -4; k <= 4; ++k)
        for (int l = -4; l <= 4; ++l) {
          EXPECT_EQ(pattern::centring_allows(row.centred, {h, k, l}),
                    !ops.is_systematically_absent({h, k, l}))
              << row.hall << " " << h << " " << k << " " << l;
        }
  }
}

// Q = 1/d²: a cubic P cell of 4 Å has lines at n/16 for every n = h²+k²+l² (never 7, 15, …).
TEST(PatternFigures, CalculatedLinesOfACubicCellAreMergedByQ) {
  const auto lines =
      pattern::calculated_lines({4, 4, 4, 90, 90, 90}, lattice::centring::P, 8.5 / 16);
  std::vector<int> n;
  for (const auto& line : lines) n.push_back(static_cast<int>(std::lround(line.q * 16)));
  EXPECT_EQ(n, (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
  EXPECT_EQ(lines[0].hkl, (lattice::ivec3{1, 0, 0}));
  EXPECT_EQ(lines[4].hkl, (lattice::ivec3{2, 1, 0}));
}

}  // namespace
}  // namespace quarvel::testing
