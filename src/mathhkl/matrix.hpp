// 3x3 matrices of stored reals and the four operations the search builds cells with.
#pragma once

#include <array>

#include "mathhkl/real48.hpp"

namespace mathhkl {

// Row-major: m[i][j] is row i+1, column j+1.
using matrix3 = std::array<std::array<real48, 3>, 3>;

// c := a x b; c may be a or b. Each partial sum is stored, and so rounded, before the next term.
void mat_mult(const matrix3& a, const matrix3& b, matrix3& c);
// First-row expansion in extended precision, rounded once at the end.
real48 mat_det(const matrix3& m);
void mat_copy(const matrix3& m, matrix3& r);
void mat_transpose(matrix3& m);

}  // namespace mathhkl
