// Small fixed-size 3×3 matrices and 3-vectors, integer and real, stored row by row.
#pragma once

#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace lattice {

using ivec3 = std::array<int, 3>;
using imat3 = std::array<int, 9>;
using dvec3 = std::array<double, 3>;
using dmat3 = std::array<double, 9>;

template <class M>
constexpr M identity3() {
  return {1, 0, 0, 0, 1, 0, 0, 0, 1};
}

template <class M>
M multiply(const M& x, const M& y) {
  M r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      r[3 * i + j] = x[3 * i] * y[j] + x[3 * i + 1] * y[3 + j] + x[3 * i + 2] * y[6 + j];
  return r;
}

template <class M>
M transpose(const M& m) {
  return {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]};
}

template <class M>
auto determinant(const M& m) {
  return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
         m[2] * (m[3] * m[7] - m[4] * m[6]);
}

// adj(m) with m * adj(m) = det(m) * I.
template <class M>
M adjugate(const M& m) {
  return {m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
          m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
          m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
}

template <class M, class V>
V apply(const M& m, const V& v) {
  return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
          m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

template <class V>
auto dot(const V& x, const V& y) {
  return x[0] * y[0] + x[1] * y[1] + x[2] * y[2];
}

template <class V>
V cross(const V& x, const V& y) {
  return {x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2], x[0] * y[1] - x[1] * y[0]};
}

inline dmat3 to_real(const imat3& m) {
  dmat3 r{};
  for (int i = 0; i < 9; ++i) r[i] = m[i];
  return r;
}

inline dvec3 to_real(const ivec3& v) {
  return {double(v[0]), double(v[1]), double(v[2])};
}

inline ivec3 row(const imat3& m, int i) {
  return {m[3 * i], m[3 * i + 1], m[3 * i + 2]};
}

inline imat3 from_rows(const ivec3& x, const ivec3& y, const ivec3& z) {
  return {x[0], x[1], x[2], y[0], y[1], y[2], z[0], z[1], z[2]};
}

// The vector divided by the gcd of its entries: the shortest lattice vector along it.
inline ivec3 primitive(ivec3 v) {
  int g = std::gcd(std::gcd(std::abs(v[0]), std::abs(v[1])), std::abs(v[2]));
  if (g > 1)
    for (int& x : v) x /= g;
  return v;
}

inline bool is_zero(const ivec3& v) {
  return v[0] == 0 && v[1] == 0 && v[2] == 0;
}

inline ivec3 negated(ivec3 v) {
  return {-v[0], -v[1], -v[2]};
}

}  // namespace lattice
