// Centred to primitive, then Niggli reduction with its change of basis (gemmi's algorithms).
#include "lattice/reduction.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/gemmi_bridge.hpp"
#include "lattice/metric.hpp"

namespace lattice {

rational_matrix primitive_basis(centring c) {
  static constexpr char kLetters[] = {'P', 'A', 'B', 'C', 'I', 'F', 'R'};
  rational_matrix rows = rational_matrix::from_int(
      gemmi_bridge::centred_to_primitive_rows(kLetters[static_cast<int>(c)]));
  rows.den = gemmi_bridge::kDenominator;
  rows = normalised(rows);
  // Keep the primitive basis right-handed so that every later determinant is positive.
  if (determinant(rows).first < 0)
    for (auto& x : rows.num) x = -x;
  return rows;
}

namespace {

reduced_basis niggli_pass(const dmat3& g, double epsilon) {
  rational_matrix basis = rational_matrix::from_int(gemmi_bridge::niggli_basis_rows(g, epsilon));
  basis.den = gemmi_bridge::kDenominator;
  basis = normalised(basis);
  if (determinant(basis).first < 0)
    for (auto& x : basis.num) x = -x;
  // The metric is recomputed from the basis rather than taken from the Gruber vector, so that
  // cell and change of basis agree exactly.
  return {transformed(g, basis.to_real()), basis};
}

}  // namespace

reduced_basis niggli_reduce(const dmat3& g) {
  // The epsilon of the Niggli conditions must be small against the shortest lattice vector,
  // which the given basis may hide: a first pass with a tiny one finds it, a second decides the
  // boundary cases with 1e-5 of its squared length (Grosse-Kunstleve et al. 2004).
  reduced_basis rough = niggli_pass(g, 1e-12 * std::min({g[0], g[4], g[8]}));
  reduced_basis fine = niggli_pass(
      rough.metric, 1e-5 * std::min({rough.metric[0], rough.metric[4], rough.metric[8]}));
  fine.basis = multiply(fine.basis, rough.basis);
  for (double x : fine.metric)
    if (!std::isfinite(x)) throw lattice_error("the cell is too close to flat to be reduced");
  return fine;
}

reduced_basis reduce_cell(const cell& c, centring centring_type) {
  dmat3 g = metric_of(c);
  rational_matrix to_primitive = primitive_basis(centring_type);
  reduced_basis reduced = niggli_reduce(transformed(g, to_primitive.to_real()));
  reduced.basis = multiply(reduced.basis, to_primitive);
  return reduced;
}

}  // namespace lattice
