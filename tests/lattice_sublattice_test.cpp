// Derivative lattices, Hermite normal forms and the verdict on three lattice vectors.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "lattice/analysis.hpp"
#include "lattice/sublattices.hpp"
#include "lattice_fixtures.hpp"

namespace {

using namespace lattice;

TEST(Sublattices, CountPerIndexIsTheNumberOfSublatticesOfZ3) {
  const int expected[] = {7, 13, 35, 31, 91, 57, 155, 130, 217};
  for (int index = 2; index <= 10; ++index)
    EXPECT_EQ(static_cast<int>(sublattice_bases(index).size()), expected[index - 2])
        << "index " << index;
}

TEST(Sublattices, NormalFormIsTheSameForEveryBasisOfTheSublattice) {
  std::mt19937 random(5);
  for (const imat3& h : sublattice_bases(6))
    for (int trial = 0; trial < 3; ++trial)
      EXPECT_EQ(hermite_normal_form(multiply(lattice_test::random_unimodular(random), h)), h);
}

TEST(Sublattices, ClassesUnderACubicGroupCoverEverySublatticeOnce) {
  // The rotations of m-3m in its own axes: signed permutation matrices of determinant 1.
  std::vector<imat3> cubic;
  int permutations[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
  for (auto& p : permutations)
    for (int signs = 0; signs < 8; ++signs) {
      imat3 m{};
      for (int i = 0; i < 3; ++i) m[3 * i + p[i]] = (signs >> i & 1) ? -1 : 1;
      if (determinant(m) == 1) cubic.push_back(m);
    }
  ASSERT_EQ(cubic.size(), 24u);
  // Index 2 of a cubic P lattice: (2a,b,c) in 3 orientations, (a+b,a-b,c) in 3, and the face-
  // centred one: three classes.
  EXPECT_EQ(sublattice_classes(2, cubic).size(), 3u);
  EXPECT_EQ(sublattice_classes(2, {identity3<imat3>()}).size(), 7u);
}

TEST(DerivativeLattices, CubicSublatticeOfATetragonalLatticeIsItsCCentredCell) {
  // A cubic lattice with the extra translation (a+b)/2 is tP with a = 4/sqrt(2), c = 4: the cubic
  // sub-lattice has four-folds the tP lattice lacks, and its cell read C-centred is the tP
  // lattice again.
  const double a = 4 / std::sqrt(2.0);
  analysis result = analyse({a, a, 4, 90, 90, 90}, {centring::P, 3.0, 2});
  EXPECT_EQ(result.lattices.front().bravais, bravais_type::tP);
  auto cubic = std::find_if(result.lattices.begin(), result.lattices.end(),
                            [](const lattice_entry& e) { return e.bravais == bravais_type::cP; });
  ASSERT_NE(cubic, result.lattices.end());
  EXPECT_EQ(cubic->index, 2);
  EXPECT_EQ(cubic->relation.verdict(), "same lattice, C-centred cell");
  EXPECT_NEAR(cubic->conventional.a, 4, 1e-9);
  EXPECT_NEAR(cubic->volume_ratio, 2, 1e-12);
  EXPECT_LT(cubic->delta, 1e-6);
}

TEST(DerivativeLattices, CubicLatticeGainsSymmetryOnlyAtIndexThree) {
  // Index 2 (tP in two orientations, cF) keeps within m-3m; at index 3 the sub-lattice with
  // x + y + z divisible by 3 is exactly hexagonal: a = 4*sqrt(2), c = 4*sqrt(3).
  analysis result = analyse({4, 4, 4, 90, 90, 90}, {centring::P, 3.0, 3});
  std::vector<const lattice_entry*> derived;
  for (const lattice_entry& e : result.lattices)
    if (e.index > 1) derived.push_back(&e);
  ASSERT_FALSE(derived.empty());
  for (const lattice_entry* e : derived) EXPECT_EQ(e->index, 3);
  EXPECT_EQ(derived.front()->bravais, bravais_type::hP);
  EXPECT_NEAR(derived.front()->conventional.a, 4 * std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(derived.front()->conventional.c, 4 * std::sqrt(3.0), 1e-9);
}

struct basis_case {
  const char* name;
  cell input;
  centring centring_type;
  imat3 rows;
  bravais_type type;
  const char* verdict;
};

void PrintTo(const basis_case& c, std::ostream* out) {
  *out << c.name;
}

class BasisVerdict : public testing::TestWithParam<basis_case> {};

TEST_P(BasisVerdict, NamesTypeAndWhetherTheInputLatticeIsKept) {
  const basis_case& c = GetParam();
  basis_verdict v = judge_basis(c.input, {c.centring_type}, c.rows);
  EXPECT_EQ(v.bravais, c.type);
  EXPECT_EQ(v.relation.verdict(), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BasisVerdict,
    testing::Values(
        // The reduced cell of an mC lattice, and its C cell: a centred cell of the same lattice.
        basis_case{"centred_cell_of_same_lattice",
                   {5, 5, 7, 90, 90, 100},
                   centring::P,
                   {1, -1, 0, 1, 1, 0, 0, 0, 1},
                   bravais_type::oC,
                   "same lattice, C-centred cell"},
        basis_case{"the_cell_itself",
                   {5, 5, 7, 90, 90, 100},
                   centring::P,
                   {1, 0, 0, 0, 1, 0, 0, 0, 1},
                   bravais_type::oC,
                   "same lattice"},
        // Doubling c of a tetragonal cell makes every reflection with l odd new.
        basis_case{"doubled_tetragonal",
                   {4, 4, 6, 90, 90, 90},
                   centring::P,
                   {1, 0, 0, 0, 1, 0, 0, 0, 2},
                   bravais_type::tP,
                   "superlattice \u00d72"},
        // The cubic cell inside a tP lattice with c = a*sqrt(2) is its C-centred cell.
        basis_case{"cubic_inside_tetragonal",
                   {2.8284271247461903, 2.8284271247461903, 4, 90, 90, 90},
                   centring::P,
                   {1, 1, 0, -1, 1, 0, 0, 0, 1},
                   bravais_type::tP,
                   "same lattice, C-centred cell"},
        // A C-centred input: its conventional axes are lattice vectors of index 2.
        basis_case{"centred_input",
                   {5, 6, 7, 90, 100, 90},
                   centring::C,
                   {1, 0, 0, 0, 1, 0, 0, 0, 1},
                   bravais_type::mC,
                   "same lattice, C-centred cell"}),
    [](const testing::TestParamInfo<basis_case>& tested) {
      return std::string(tested.param.name);
    });

}  // namespace
