// Plane sub-lattices, for the axes perpendicular to a rotation axis.
#include "lattice/plane_lattice.hpp"

#include <cmath>
#include <cstdlib>

#include "lattice/metric.hpp"

namespace lattice {

ivec3 combination(int i, const ivec3& p, int j, const ivec3& q) {
  return {i * p[0] + j * q[0], i * p[1] + j * q[1], i * p[2] + j * q[2]};
}

namespace {

// Column operations that bring the row h to (±1, 0, 0) at `pivot` (Euclid's algorithm, run on
// the row) form a unimodular matrix: its pivot column w has h·w = ±1, the other two columns span
// the kernel of h.
struct euclid_result {
  ivec3 columns[3];
  int pivot;
  int gcd;
};

euclid_result euclid_on_row(const ivec3& h) {
  ivec3 x = h;
  euclid_result r{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 0, 0};
  for (;;) {
    int pivot = -1;
    for (int i = 0; i < 3; ++i)
      if (x[i] != 0 && (pivot < 0 || std::abs(x[i]) < std::abs(x[pivot]))) pivot = i;
    bool done = true;
    for (int j = 0; j < 3; ++j) {
      if (j == pivot || x[j] == 0) continue;
      int q = x[j] / x[pivot];
      x[j] -= q * x[pivot];
      r.columns[j] = combination(1, r.columns[j], -q, r.columns[pivot]);
      done = false;
    }
    if (done) {
      r.pivot = pivot;
      r.gcd = x[pivot];
      return r;
    }
  }
}

}  // namespace

std::array<ivec3, 2> plane_basis(const ivec3& h) {
  euclid_result r = euclid_on_row(h);
  std::array<ivec3, 2> basis;
  int k = 0;
  for (int j = 0; j < 3; ++j)
    if (j != r.pivot) basis[k++] = r.columns[j];
  return basis;
}

ivec3 unit_completion(const ivec3& h) {
  euclid_result r = euclid_on_row(h);
  return r.gcd > 0 ? r.columns[r.pivot] : negated(r.columns[r.pivot]);
}

std::array<ivec3, 2> gauss_reduced(std::array<ivec3, 2> basis, const dmat3& g) {
  auto inner = [&](const ivec3& u, const ivec3& v) {
    return dot(to_real(u), lattice::apply(g, to_real(v)));
  };
  ivec3& p = basis[0];
  ivec3& q = basis[1];
  if (length_sq(g, q) < length_sq(g, p)) std::swap(p, q);
  for (int guard = 0; guard < 100; ++guard) {
    int mu = static_cast<int>(std::lround(inner(p, q) / length_sq(g, p)));
    if (mu != 0) q = combination(1, q, -mu, p);
    if (length_sq(g, q) >= length_sq(g, p)) break;
    std::swap(p, q);
  }
  return basis;
}

}  // namespace lattice
