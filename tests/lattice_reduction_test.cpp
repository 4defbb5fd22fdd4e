// The pieces of the reduction that keep its arithmetic exact: gemmi's steps taken in short runs,
// the greedy reduction, and 64-bit products that report overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "lattice/checked_matrix.hpp"
#include "lattice/gemmi_bridge.hpp"
#include "lattice/greedy_reduction.hpp"
#include "lattice/metric.hpp"

namespace {

using namespace lattice;

struct composed_runs {
  gemmi_bridge::g6 reached;
  lmat3 rows;
  int runs = 0;
  bool reduced = false;
};

// gemmi's reduction of g in runs of `run_length` steps, composed; at most 4000 steps.
composed_runs run_to_the_end(const dmat3& g, double epsilon, int run_length) {
  composed_runs c{gemmi_bridge::g6_of(g), identity3<lmat3>(), 0, false};
  for (; !c.reduced && c.runs * run_length < 4000; ++c.runs) {
    const gemmi_bridge::niggli_run run = gemmi_bridge::niggli_steps(c.reached, epsilon, run_length);
    lmat3 run_rows;
    for (int i = 0; i < 9; ++i) run_rows[i] = run.rows[i] / gemmi_bridge::kDenominator;
    c.rows = *checked_product(run_rows, c.rows);
    c.reached = run.reached;
    c.reduced = run.reduced;
  }
  return c;
}

// A triclinic cell in a setting with entries up to 50: many runs of steps.
TEST(GemmiRuns, OfAnyLengthContinueExactlyAsOneRun) {
  const dmat3 g = transformed(metric_of({5.1, 6.3, 7.2, 81.3, 95.7, 102.4}),
                              imat3{40, 18, -9, 13, -28, -37, 50, -15, -49});
  const composed_runs longest = run_to_the_end(g, 1e-9, gemmi_bridge::kNiggliSteps);
  ASSERT_TRUE(longest.reduced);
  EXPECT_GT(longest.runs, 4) << longest.runs;
  for (int run_length : {1, 3, 7}) {
    const composed_runs shorter = run_to_the_end(g, 1e-9, run_length);
    EXPECT_EQ(shorter.reached, longest.reached) << run_length;
    EXPECT_EQ(shorter.rows, longest.rows) << run_length;
  }
}

ldmat3 wide(const dmat3& g) {
  ldmat3 w{};
  for (int i = 0; i < 9; ++i) w[i] = g[i];
  return w;
}

// A reduced metric in a setting with entries up to 50 (inverse entries up to 1510): the greedy
// reduction comes back to edges of the same lengths.
TEST(GreedyReduction, FindsTheShortestVectorsBehindASkewedSetting) {
  const dmat3 reduced = metric_of({5.1, 6.3, 7.2, 81.3, 95.7, 102.4});
  const lmat3 setting{40, 18, -9, 13, -28, -37, 50, -15, -49};
  const ldmat3 skewed = transformed(wide(reduced), setting);
  const std::optional<lmat3> rows = greedy_reduced(skewed);
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ(std::abs(checked_determinant(*rows).value()), 1);
  const ldmat3 found = transformed(skewed, *rows);
  std::array<long double, 3> lengths{found[0], found[4], found[8]};
  std::sort(lengths.begin(), lengths.end());
  EXPECT_NEAR(static_cast<double>(lengths[0]), reduced[0], 1e-8 * reduced[0]);
  EXPECT_NEAR(static_cast<double>(lengths[1]), reduced[4], 1e-8 * reduced[4]);
  EXPECT_NEAR(static_cast<double>(lengths[2]), reduced[8], 1e-8 * reduced[8]);
}

TEST(GreedyReduction, ReportsAMultipleBeyond64Bits) {
  // b's component along a is 5e18 times a: no long long holds the multiple.
  const ldmat3 g{1e-20L, 5e-2L, 0, 5e-2L, 1e18L, 0, 0, 0, 1};
  EXPECT_FALSE(greedy_reduced(g).has_value());
}

TEST(CheckedMatrix, ReportsWhatLeaves64Bits) {
  const long long big = 1LL << 31;
  const lmat3 fits{big, 0, 0, 0, big, 0, 0, 0, 1};
  EXPECT_EQ(checked_product(fits, fits), (lmat3{big * big, 0, 0, 0, big * big, 0, 0, 0, 1}));
  EXPECT_EQ(checked_determinant(fits), big * big);
  const lmat3 beyond{big * 4, 0, 0, 0, big * 2, 0, 0, 0, 1};
  EXPECT_FALSE(checked_product(beyond, beyond).has_value());
  EXPECT_FALSE(checked_determinant(beyond).has_value());
  const lmat3 extremes{LLONG_MIN, 0, 0, 0, -1, 0, 0, 0, 1};
  EXPECT_FALSE(checked_determinant(extremes).has_value());
}

}  // namespace
