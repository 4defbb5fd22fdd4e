// Integer 3×3 matrices in 64 bits whose every product and sum is checked: the changes of basis
// of a reduction, which grow with its steps.
#pragma once

#include <array>
#include <optional>

namespace lattice {

using lmat3 = std::array<long long, 9>;

// sum += x·y; false, with sum unspecified, when a step leaves 64 bits.
inline bool add_product(long long& sum, long long x, long long y) {
  long long product;
  return !__builtin_mul_overflow(x, y, &product) && !__builtin_add_overflow(sum, product, &sum);
}

// x·y, or nothing when an entry or a partial sum leaves 64 bits.
inline std::optional<lmat3> checked_product(const lmat3& x, const lmat3& y) {
  lmat3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k)
        if (!add_product(r[3 * i + j], x[3 * i + k], y[3 * k + j])) return std::nullopt;
  return r;
}

// det(m), or nothing when a product or a partial sum leaves 64 bits.
inline std::optional<long long> checked_determinant(const lmat3& m) {
  long long det = 0;
  for (int j = 0; j < 3; ++j) {
    const int k = (j + 1) % 3, l = (j + 2) % 3;  // the cofactor of m[j], by cyclic order
    long long x, y, minor;
    if (__builtin_mul_overflow(m[3 + k], m[6 + l], &x) ||
        __builtin_mul_overflow(m[3 + l], m[6 + k], &y) || __builtin_sub_overflow(x, y, &minor) ||
        !add_product(det, m[j], minor))
      return std::nullopt;
  }
  return det;
}

}  // namespace lattice
