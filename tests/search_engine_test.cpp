// The vector table and the triple search's visiting order, counts and conversions.
#include "search/search_engine.hpp"

#include <gtest/gtest.h>

#include "mathhkl/geometry.hpp"
#include "mathhkl/number_text.hpp"
#include "search_recorder.hpp"

namespace quarvel {
namespace {

matrix3 axes_of(long double a, long double b, long double c, long double al, long double be,
                long double ga) {
  mathhkl::cell_state s;
  s.cell = {a, b, c, al, be, ga};
  mathhkl::compute_cell_geometry(s);
  return s.axes_matrix;
}

TEST(VectorTable, OrderOfTheThirteenShortestIndices) {
  const auto table = build_vector_table(1, axes_of(4, 4, 4, 90, 90, 90));
  const int expected[13][3] = {{1, 1, 1},  {1, 1, 0},  {1, 0, 1},  {1, 0, 0}, {1, -1, 1},
                               {1, -1, 0}, {0, 1, 1},  {0, 1, 0},  {0, 0, 1}, {0, -1, 1},
                               {-1, 1, 1}, {-1, 0, 1}, {-1, -1, 1}};
  ASSERT_EQ(table.size(), 13u);
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ((std::array{table[i].u, table[i].v, table[i].w}),
              (std::array{expected[i][0], expected[i][1], expected[i][2]}))
        << i;
  }
  // 4 sqrt(3) less a little: the program's right angle is a hair above 90 degrees.
  EXPECT_EQ(mathhkl::format_fixed(table[0].length, 0, 3), "6.928");
  EXPECT_LT(table[0].length, 6.9282L);
}

TEST(VectorTable, SizeGrowsAsHalfTheCubeAndNeverHasAFixedLimit) {
  const matrix3 axes = axes_of(4, 5, 6, 90, 90, 90);
  const struct {
    int n;
    size_t size;
  } cases[] = {{-1, 0}, {0, 0}, {1, 13}, {2, 62}, {3, 171}, {4, 364}, {8, 2456}, {9, 3429}};
  for (const auto& c : cases) EXPECT_EQ(build_vector_table(c.n, axes).size(), c.size) << c.n;
}

using counting_host = search_recorder;

search_conditions cubic_conditions(long double max_ratio) {
  return {{0.005L, 0.3L}, max_ratio, 64.0L, false};
}

TEST(TripleSearch, DefaultTableMakesTheCountedSteps) {
  const matrix3 axes = axes_of(4, 4, 4, 90, 90, 90);
  const auto table = build_vector_table(3, axes);
  counting_host host;
  run_triple_search(table, axes, cubic_conditions(10), host);
  EXPECT_EQ(host.pairs, 171 * 170 / 2);
  EXPECT_EQ(host.steps, 2'485'485);
}

TEST(TripleSearch, FirstCellsOfTheCubicExample) {
  const matrix3 axes = axes_of(4, 4, 4, 90, 90, 90);
  counting_host host;
  run_triple_search(build_vector_table(1, axes), axes, cubic_conditions(10), host);
  ASSERT_EQ(host.cells.size(), 20u);
  const matrix3 first{{{1, 1, 1}, {1, -1, 0}, {0, 0, 1}}};
  EXPECT_EQ(host.cells[0].code, "MONO");
  EXPECT_EQ(host.cells[0].matrix, first);
  EXPECT_EQ(host.cells[13].code, "CUBI");
  EXPECT_EQ(mathhkl::format_fixed(host.cells[13].alpha, 0, 2), "90.00");
}

TEST(TripleSearch, OrthohexagonalCellBecomesHexagonalOnlyNearRootThree) {
  const struct {
    long double b_over_a;
    const char* code;
  } cases[] = {{1.7325L, "HEXA"}, {1.7371L, "ORTH"}};
  for (const auto& c : cases) {
    const long double a = 3.0L;
    const matrix3 axes = axes_of(a, a * c.b_over_a, 5.0L, 90, 90, 90);
    // Only the triple (1,0,0), (0,1,0), (0,0,1) is wanted: give the table just those.
    auto table = build_vector_table(1, axes);
    std::erase_if(table, [](const lattice_vector& v) {
      return std::abs(v.u) + std::abs(v.v) + std::abs(v.w) != 1;
    });
    ASSERT_EQ(table.size(), 3u);
    counting_host host;
    const long double vo = a * a * c.b_over_a * 5.0L;
    run_triple_search(table, axes, {{0.005L, 0.3L}, 10, vo, false}, host);
    ASSERT_EQ(host.cells.size(), 1u) << c.code;
    const found_cell& cell = host.cells[0];
    EXPECT_EQ(cell.code, c.code);
    if (cell.system == mathhkl::crystal_system::hexagonal) {
      const matrix3 d{{{1, 0, 0}, {-0.5L, 0.5L, 0}, {0, 0, 1}}};
      EXPECT_EQ(cell.matrix, d);
      EXPECT_NEAR(static_cast<double>(cell.a), static_cast<double>(cell.b), 0.001);
      EXPECT_NEAR(static_cast<double>(cell.gamma), 120.0, 0.01);
      EXPECT_NEAR(static_cast<double>(cell.ratio), 0.5, 0.001);
    }
    // A hexagonal start never keeps an orthorhombic candidate, converted or not.
    counting_host hexagonal_start;
    run_triple_search(table, axes, {{0.005L, 0.3L}, 10, vo, true}, hexagonal_start);
    EXPECT_TRUE(hexagonal_start.cells.empty());
  }
}

TEST(TripleSearch, AllEvenTriplesAreNeverTested) {
  const matrix3 axes = axes_of(4, 4, 4, 90, 90, 90);
  auto table = build_vector_table(2, axes);
  std::erase_if(table, [](const lattice_vector& v) { return v.u % 2 || v.v % 2 || v.w % 2; });
  counting_host host;
  run_triple_search(table, axes, cubic_conditions(1000), host);
  EXPECT_TRUE(host.cells.empty());
  EXPECT_GT(host.steps, 0);
}

}  // namespace
}  // namespace quarvel
