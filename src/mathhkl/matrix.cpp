// 3x3 matrix operations with the rounding points of the stored format.
#include "mathhkl/matrix.hpp"

namespace mathhkl {

void mat_mult(const matrix3& a, const matrix3& b, matrix3& c) {
  const matrix3 left = a;
  const matrix3 right = b;
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 3; ++i) {
      c[i][j] = 0.0L;
      for (int k = 0; k < 3; ++k) c[i][j] = c[i][j] + left[i][k] * right[k][j];
    }
  }
}

real48 mat_det(const matrix3& m) {
  const long double d = ((m[2][2] * m[1][1] - m[1][2] * m[2][1]) * m[0][0] -
                         (m[2][2] * m[1][0] - m[1][2] * m[2][0]) * m[0][1]) +
                        (m[2][1] * m[1][0] - m[1][1] * m[2][0]) * m[0][2];
  return real48(d);
}

void mat_copy(const matrix3& m, matrix3& r) {
  r = m;
}

void mat_transpose(matrix3& m) {
  matrix3 t;
  mat_copy(m, t);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m[i][j] = t[j][i];
}

}  // namespace mathhkl
