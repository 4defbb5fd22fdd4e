// Exact arithmetic on changes of basis.
#include "lattice/rational_matrix.hpp"

#include <limits>
#include <numeric>
#include <utility>

#include "lattice/types.hpp"

namespace lattice {

rational_matrix rational_matrix::from_int(const imat3& m) {
  rational_matrix r;
  for (int i = 0; i < 9; ++i) r.num[i] = m[i];
  r.den = 1;
  return r;
}

imat3 rational_matrix::whole() const {
  if (!is_integer()) throw lattice_error("a change of basis expected whole has fractions");
  imat3 m;
  for (int i = 0; i < 9; ++i) {
    if (num[i] > std::numeric_limits<int>::max() || num[i] < std::numeric_limits<int>::min())
      throw lattice_error("a change of basis has entries too large to carry exactly");
    m[i] = static_cast<int>(num[i]);
  }
  return m;
}

dmat3 rational_matrix::to_real() const {
  dmat3 r{};
  for (int i = 0; i < 9; ++i) r[i] = at(i);
  return r;
}

rational_matrix normalised(rational_matrix m) {
  if (m.den < 0) {
    m.den = -m.den;
    for (auto& x : m.num) x = -x;
  }
  long long g = m.den;
  for (auto x : m.num) g = std::gcd(g, x);
  if (g > 1) {
    m.den /= g;
    for (auto& x : m.num) x /= g;
  }
  return m;
}

namespace {

// The changes of basis of a cell given far from reduced have entries up to a million, whose
// products of three leave 64 bits: every product and determinant is formed in 128 bits and
// must come back within 64.
__extension__ using wide = __int128;
using wide_mat3 = std::array<wide, 9>;

wide_mat3 widened(const std::array<long long, 9>& m) {
  wide_mat3 w;
  for (int i = 0; i < 9; ++i) w[i] = m[i];
  return w;
}

long long narrowed(wide x) {
  if (x > std::numeric_limits<long long>::max() || x < std::numeric_limits<long long>::min())
    throw lattice_error("a change of basis has entries too large to carry exactly");
  return static_cast<long long>(x);
}

std::array<long long, 9> narrowed(const wide_mat3& w) {
  std::array<long long, 9> m;
  for (int i = 0; i < 9; ++i) m[i] = narrowed(w[i]);
  return m;
}

}  // namespace

rational_matrix multiply(const rational_matrix& x, const rational_matrix& y) {
  rational_matrix r;
  r.num = narrowed(multiply(widened(x.num), widened(y.num)));
  r.den = narrowed(wide(x.den) * y.den);
  return normalised(r);
}

rational_matrix inverse(const rational_matrix& m) {
  // inv(N/d) = d * adj(N) / det(N)
  const wide det = determinant(widened(m.num));
  if (det == 0) throw lattice_error("singular change of basis");
  wide_mat3 adj = adjugate(widened(m.num));
  for (wide& x : adj) x *= m.den;
  rational_matrix r;
  r.num = narrowed(adj);
  r.den = narrowed(det);
  return normalised(r);
}

std::pair<long long, long long> determinant(const rational_matrix& m) {
  const wide n = determinant(widened(m.num));
  const wide d = wide(m.den) * m.den * m.den;
  if (n == 0) return {0, 1};
  // Euclid in 128 bits: the determinant of entries near a million needs them.
  wide a = n < 0 ? -n : n, b = d;
  while (b != 0) a = std::exchange(b, a % b);
  return {narrowed(n / a), narrowed(d / a)};
}

namespace {

std::string fraction_text(long long num, long long den) {
  long long g = std::gcd(num, den);
  if (g > 1) num /= g, den /= g;
  return den == 1 ? std::to_string(num) : std::to_string(num) + "/" + std::to_string(den);
}

}  // namespace

std::string change_of_basis_text(const rational_matrix& m) {
  static constexpr char kAxes[] = {'a', 'b', 'c'};
  std::string text;
  for (int i = 0; i < 3; ++i) {
    if (i) text += ',';
    bool first = true;
    for (int j = 0; j < 3; ++j) {
      long long n = m.num[3 * i + j];
      if (n == 0) continue;
      if (n < 0)
        text += '-';
      else if (!first)
        text += '+';
      long long magnitude = n < 0 ? -n : n;
      if (!(magnitude == m.den)) text += fraction_text(magnitude, m.den) + "*";
      text += kAxes[j];
      first = false;
    }
    if (first) text += '0';
  }
  return text;
}

}  // namespace lattice
