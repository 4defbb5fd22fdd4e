// Cell geometry and the matrix operations.
#include "mathhkl/geometry.hpp"

#include <gtest/gtest.h>

#include "mathhkl/matrix.hpp"
#include "mathhkl/number_text.hpp"

namespace mathhkl {
namespace {

cell_state state_with(long double a, long double b, long double c, long double al, long double be,
                      long double ga) {
  cell_state s;
  s.cell = {a, b, c, al, be, ga};
  return s;
}

TEST(Geometry, TriclinicExampleAxesAndVolume) {
  cell_state s = state_with(5, 6, 7, 80, 95, 105);
  compute_cell_geometry(s);
  const double expected[3][3] = {
      {4.824868, 0, 0}, {-1.237230, 5.908849, 0}, {-0.435790, 1.041878, 7.000000}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      EXPECT_NEAR(static_cast<double>(s.axes_matrix[i][j]), expected[i][j], 2e-6) << i << j;
  const real48 v = cell_volume(5, 6, 7, 80, 95, 105);
  EXPECT_NEAR(static_cast<double>(v), 199.5659, 1e-4);
  EXPECT_NEAR(static_cast<double>(mat_det(s.axes_matrix)), static_cast<double>(v), 1e-8);
}

TEST(Geometry, OrthogonalCellIsNotQuiteDiagonal) {
  cell_state s = state_with(5, 6, 7, 90, 90, 90);
  compute_cell_geometry(s);
  const auto& m = s.axes_matrix;
  EXPECT_NEAR(static_cast<double>(m[0][0]), 5, 1e-9);
  EXPECT_NEAR(static_cast<double>(m[1][1]), 6, 1e-9);
  EXPECT_NEAR(static_cast<double>(m[2][2]), 7, 1e-12);
  EXPECT_NEAR(static_cast<double>(m[1][0]), -1.09e-5, 0.01e-5);
  EXPECT_NEAR(static_cast<double>(m[2][0]), -1.09e-5, 0.01e-5);
  EXPECT_NEAR(static_cast<double>(m[2][1]), -1.31e-5, 0.01e-5);
  for (const auto& upper : {m[0][1], m[0][2], m[1][2]}) {  // zero up to rounding
    EXPECT_NEAR(static_cast<double>(upper), 0.0, 1e-15);
  }
  EXPECT_EQ(format_fixed(cell_volume(5, 6, 7, 90, 90, 90), 0, 4), "210.0000");
}

TEST(Geometry, CellsThatDoNotCloseAreRefused) {
  for (const auto& c : {state_with(5, 6, 7, 10, 10, 150), state_with(5, 6, 7, 0, 90, 90),
                        state_with(5, 6, 7, 180, 90, 90), state_with(5, 6, 0, 90, 90, 90)}) {
    cell_state s = c;
    EXPECT_THROW(compute_cell_geometry(s), platform::error);
    EXPECT_EQ(s.axes_matrix, matrix3{}) << "left as it was";
  }
  EXPECT_THROW(cell_volume(5, 6, 7, 10, 10, 150), platform::error);
}

TEST(Matrix, OperationsKeepTheirContracts) {
  matrix3 identity{};
  for (int i = 0; i < 3; ++i) identity[i][i] = 1.0L;
  EXPECT_EQ(mat_det(identity), 1.0L);
  matrix3 two_equal_rows{{{1, 2, 3}, {1, 2, 3}, {4, 5, 7}}};
  EXPECT_EQ(mat_det(two_equal_rows), 0.0L);
  matrix3 integer{{{1, 1, 0}, {1, -1, 1}, {-1, 0, 1}}};
  EXPECT_EQ(mat_det(integer), -3.0L);

  matrix3 a{{{0.5L, -0.5L, 0}, {0, 1, 0}, {0, 0, 1}}};
  matrix3 separate;
  mat_mult(a, integer, separate);
  matrix3 in_place = a;
  mat_mult(in_place, integer, in_place);
  EXPECT_EQ(in_place, separate);
  matrix3 right_in_place = integer;
  mat_mult(a, right_in_place, right_in_place);
  EXPECT_EQ(right_in_place, separate);

  matrix3 t = separate;
  mat_transpose(t);
  EXPECT_EQ(t[0][1], separate[1][0]);
  mat_transpose(t);
  EXPECT_EQ(t, separate);
}

}  // namespace
}  // namespace mathhkl
