// Exact arithmetic on changes of basis.
#include "lattice/rational_matrix.hpp"

#include <numeric>

#include "lattice/types.hpp"

namespace lattice {

rational_matrix rational_matrix::from_int(const imat3& m) {
  rational_matrix r;
  for (int i = 0; i < 9; ++i) r.num[i] = m[i];
  r.den = 1;
  return r;
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

rational_matrix multiply(const rational_matrix& x, const rational_matrix& y) {
  rational_matrix r;
  r.num = multiply(x.num, y.num);
  r.den = x.den * y.den;
  return normalised(r);
}

rational_matrix inverse(const rational_matrix& m) {
  // inv(N/d) = d * adj(N) / det(N)
  long long det = determinant(m.num);
  if (det == 0) throw lattice_error("singular change of basis");
  rational_matrix r;
  r.num = adjugate(m.num);
  for (auto& x : r.num) x *= m.den;
  r.den = det;
  return normalised(r);
}

std::pair<long long, long long> determinant(const rational_matrix& m) {
  long long n = determinant(m.num);
  long long d = m.den * m.den * m.den;
  long long g = std::gcd(n, d);
  if (g == 0) return {0, 1};
  return {n / g, d / g};
}

std::string fraction_text(long long num, long long den) {
  long long g = std::gcd(num, den);
  if (g > 1) num /= g, den /= g;
  return den == 1 ? std::to_string(num) : std::to_string(num) + "/" + std::to_string(den);
}

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
