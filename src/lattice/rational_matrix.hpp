// A 3×3 matrix of fractions with one common denominator: changes of basis that involve a
// centred cell (rows of halves or thirds).
#pragma once

#include <string>

#include "lattice/matrix3.hpp"

namespace lattice {

struct rational_matrix {
  std::array<long long, 9> num{1, 0, 0, 0, 1, 0, 0, 0, 1};
  long long den = 1;

  static rational_matrix from_int(const imat3& m);
  double at(int i) const { return static_cast<double>(num[i]) / static_cast<double>(den); }
  dmat3 to_real() const;
  bool is_integer() const { return den == 1; }
  // The entries of an integral matrix; throws lattice_error for fractions or entries beyond int.
  imat3 whole() const;
  // Both reduced to lowest terms and with a positive denominator.
  bool operator==(const rational_matrix& o) const { return num == o.num && den == o.den; }
};

rational_matrix normalised(rational_matrix m);
rational_matrix multiply(const rational_matrix& x, const rational_matrix& y);
rational_matrix inverse(const rational_matrix& m);  // m must be regular
// det as num/den in lowest terms.
std::pair<long long, long long> determinant(const rational_matrix& m);

// International Tables notation of the rows: "a+b,-a+b,c", "1/2*a+1/2*b,-1/2*a+1/2*b,c".
std::string change_of_basis_text(const rational_matrix& m);

}  // namespace lattice
