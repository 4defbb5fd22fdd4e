// What the analysis refuses, and the text of a change of basis.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lattice/analysis.hpp"
#include "lattice/rational_matrix.hpp"

namespace {

using namespace lattice;

struct refused {
  const char* name;
  cell input;
  analysis_options options;
};

void PrintTo(const refused& c, std::ostream* out) {
  *out << c.name;
}

class RefusedInput : public testing::TestWithParam<refused> {};

TEST_P(RefusedInput, ThrowsALatticeError) {
  EXPECT_THROW(analyse(GetParam().input, GetParam().options), lattice_error);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedInput,
    testing::Values(refused{"zero_edge", {0, 5, 5, 90, 90, 90}, {}},
                    refused{"negative_edge", {-5, 5, 5, 90, 90, 90}, {}},
                    refused{"nan_edge", {kNaN, 5, 5, 90, 90, 90}, {}},
                    refused{"infinite_edge", {kInf, 5, 5, 90, 90, 90}, {}},
                    refused{"nan_angle", {5, 5, 5, kNaN, 90, 90}, {}},
                    refused{"angles_do_not_close", {5, 5, 5, 10, 10, 150}, {}},
                    refused{"flat_cell", {5, 5, 5, 120, 120, 120}, {}},
                    refused{"angle_of_180", {5, 5, 5, 180, 90, 90}, {}},
                    refused{"index_zero", {5, 5, 5, 90, 90, 90}, {centring::P, 3, 0}},
                    refused{"index_eleven", {5, 5, 5, 90, 90, 90}, {centring::P, 3, 11}},
                    refused{"delta_zero", {5, 5, 5, 90, 90, 90}, {centring::P, 0, 1}},
                    refused{"delta_nan", {5, 5, 5, 90, 90, 90}, {centring::P, kNaN, 1}}),
    [](const testing::TestParamInfo<refused>& tested) { return std::string(tested.param.name); });

TEST(RefusedBasis, CoplanarVectorsAreRefused) {
  EXPECT_THROW(judge_basis({5, 5, 5, 90, 90, 90}, {}, {1, 0, 0, 0, 1, 0, 1, 1, 0}), lattice_error);
}

struct notation_case {
  rational_matrix m;
  const char* text;
};

TEST(ChangeOfBasisText, FollowsTheInternationalTablesNotation) {
  const notation_case cases[] = {
      {{{1, 0, 0, 0, 1, 0, 0, 0, 1}, 1}, "a,b,c"},
      {{{1, 1, 0, -1, 1, 0, 0, 0, 1}, 1}, "a+b,-a+b,c"},
      {{{1, 1, 0, -1, 1, 0, 0, 0, 2}, 2}, "1/2*a+1/2*b,-1/2*a+1/2*b,c"},
      {{{2, 1, 1, -1, 1, 1, -1, -2, 1}, 3},
       "2/3*a+1/3*b+1/3*c,-1/3*a+1/3*b+1/3*c,-1/3*a-2/3*b+1/3*c"},
      {{{0, 0, -1, 2, 0, 0, 0, 3, 0}, 1}, "-c,2*a,3*b"},
  };
  for (const notation_case& c : cases) EXPECT_EQ(change_of_basis_text(c.m), c.text);
}

TEST(RationalMatrix, InverseAndDeterminantAreExact) {
  rational_matrix centred{{1, 1, 0, -1, 1, 0, 0, 0, 2}, 2};
  rational_matrix inv = inverse(centred);
  EXPECT_EQ(change_of_basis_text(inv), "a-b,a+b,c");
  EXPECT_EQ(multiply(centred, inv), rational_matrix{});
  EXPECT_EQ(determinant(centred), (std::pair<long long, long long>{1, 2}));
}

}  // namespace
