// Enumeration of derivative lattices by Hermite normal forms.
#include "lattice/sublattices.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lattice {

namespace {

void subtract_rows(imat3& m, int target, int source, int times) {
  for (int k = 0; k < 3; ++k) m[3 * target + k] -= times * m[3 * source + k];
}

void swap_rows(imat3& m, int x, int y) {
  for (int k = 0; k < 3; ++k) std::swap(m[3 * x + k], m[3 * y + k]);
}

int floor_div(int x, int y) {
  return x / y - ((x % y != 0) && ((x < 0) != (y < 0)));
}

// Euclid on one column over rows 0..last: leaves a single nonzero entry, in row `last`.
void clear_column(imat3& m, int column, int last) {
  for (;;) {
    int pivot = -1;
    for (int i = 0; i <= last; ++i)
      if (m[3 * i + column] != 0 &&
          (pivot < 0 || std::abs(m[3 * i + column]) < std::abs(m[3 * pivot + column])))
        pivot = i;
    bool done = true;
    for (int i = 0; i <= last; ++i) {
      if (i == pivot || m[3 * i + column] == 0) continue;
      subtract_rows(m, i, pivot, m[3 * i + column] / m[3 * pivot + column]);
      done = false;
    }
    if (done) {
      swap_rows(m, pivot, last);
      if (m[3 * last + column] < 0)
        for (int k = 0; k < 3; ++k) m[3 * last + k] = -m[3 * last + k];
      return;
    }
  }
}

}  // namespace

imat3 hermite_normal_form(imat3 m) {
  clear_column(m, 2, 2);
  clear_column(m, 1, 1);
  clear_column(m, 0, 0);
  subtract_rows(m, 1, 0, floor_div(m[3], m[0]));
  subtract_rows(m, 2, 1, floor_div(m[7], m[4]));
  subtract_rows(m, 2, 0, floor_div(m[6], m[0]));
  return m;
}

std::vector<imat3> sublattice_bases(int index) {
  std::vector<imat3> bases;
  for (int a = 1; a <= index; ++a)
    for (int c = 1; a * c <= index; ++c) {
      if (index % (a * c) != 0) continue;
      int f = index / (a * c);
      for (int b = 0; b < a; ++b)
        for (int d = 0; d < a; ++d)
          for (int e = 0; e < c; ++e) bases.push_back({a, 0, 0, b, c, 0, d, e, f});
    }
  return bases;
}

std::vector<imat3> sublattice_classes(int index, const std::vector<imat3>& rotations) {
  std::vector<imat3> representatives;
  for (const imat3& h : sublattice_bases(index)) {
    bool least = true;
    for (const imat3& r : rotations) {
      // The image of the rows v under R is v Rᵀ.
      if (hermite_normal_form(multiply(h, transpose(r))) < h) {
        least = false;
        break;
      }
    }
    if (least) representatives.push_back(h);
  }
  return representatives;
}

}  // namespace lattice
