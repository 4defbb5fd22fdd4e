// Conventional cells from the rotation axes of the group: the edges along the rotation axes
// (shortest lattice rows along them), the centring read from the lattice points in that cell,
// then the standard setting chosen. The same order of work as the change of basis to a reference
// setting in Grosse-Kunstleve, Acta Cryst. A55 (1999) 383; the cells and settings are the
// conventional ones of International Tables for Crystallography Vol. A (2016), chapter 3.1.
// Checked against cctbx's metric_subgroups with tools/lattice-crosscheck (all fourteen types
// in random settings, noisy and exact: the same type, δ within 0.02° and ideal cell within
// 2·10⁻³, ties aside; see the README), and in the tests by lattices generated in every setting.
#include "lattice/bravais_setting.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/cell_relation.hpp"
#include "lattice/metric.hpp"
#include "lattice/monoclinic_setting.hpp"
#include "lattice/plane_lattice.hpp"
#include "lattice/rotation_group.hpp"

namespace lattice {

namespace {

std::vector<imat3> of_order(const std::vector<imat3>& rotations, int order) {
  std::vector<imat3> found;
  for (const imat3& r : rotations)
    if (rotation_order(r) == order) found.push_back(r);
  return found;
}

// Distinct axes of the given rotations (a rotation and its inverse share one).
std::vector<ivec3> distinct_axes(const std::vector<imat3>& rotations) {
  std::vector<ivec3> axes;
  for (const imat3& r : rotations) {
    ivec3 u = rotation_axis(r);
    if (std::find(axes.begin(), axes.end(), u) == axes.end()) axes.push_back(u);
  }
  return axes;
}

imat3 right_handed(imat3 m) {
  if (determinant(m) < 0)
    for (int j = 6; j < 9; ++j) m[j] = -m[j];
  return m;
}

imat3 permuted(const imat3& m, int first, int second, int third) {
  return right_handed(from_rows(row(m, first), row(m, second), row(m, third)));
}

// Rows ordered by their length under g (stable), kept right-handed.
imat3 sorted_by_length(const imat3& m, const dmat3& g, bool keep_third) {
  int order[3] = {0, 1, 2};
  int count = keep_third ? 2 : 3;
  std::stable_sort(order, order + count,
                   [&](int x, int y) { return length_sq(g, row(m, x)) < length_sq(g, row(m, y)); });
  return permuted(m, order[0], order[1], order[2]);
}

conventional_setting orthorhombic(const std::vector<imat3>& rotations, const dmat3& g) {
  std::vector<ivec3> axes = distinct_axes(of_order(rotations, 2));
  imat3 basis = right_handed(from_rows(axes[0], axes[1], axes[2]));
  switch (relation_of(basis).centred) {
    case centring::P:
      return {bravais_type::oP, sorted_by_length(basis, g, false)};
    case centring::F:
      return {bravais_type::oF, sorted_by_length(basis, g, false)};
    case centring::I:
      return {bravais_type::oI, sorted_by_length(basis, g, false)};
    case centring::A:  // bring the centred face to ab
      basis = permuted(basis, 1, 2, 0);
      break;
    case centring::B:
      basis = permuted(basis, 2, 0, 1);
      break;
    default:
      break;
  }
  return {bravais_type::oC, sorted_by_length(basis, g, true)};
}

conventional_setting tetragonal(const std::vector<imat3>& rotations, const dmat3& g) {
  imat3 four = of_order(rotations, 4).front();
  ivec3 c = rotation_axis(four);
  imat3 best{};
  int best_det = 0;
  for (const imat3& r : of_order(rotations, 2)) {
    ivec3 a = rotation_axis(r);
    if (a == c) continue;
    imat3 basis = right_handed(from_rows(a, lattice::apply(four, a), c));
    int det = determinant(basis);
    if (best_det == 0 || det < best_det ||
        (det == best_det && length_sq(g, a) < length_sq(g, row(best, 0))))
      best = basis, best_det = det;
  }
  return {best_det == 1 ? bravais_type::tP : bravais_type::tI, best};
}

// The hexagonal axes a, b (= R3 a, γ = 120°) on the plane perpendicular to the three-fold
// `three`, with c along its axis.
imat3 hexagonal_axes(const imat3& three, const dmat3& g) {
  ivec3 u = rotation_axis(three);
  ivec3 a = gauss_reduced(plane_basis(reciprocal_axis(three)), g)[0];
  return right_handed(from_rows(a, lattice::apply(three, a), u));
}

std::optional<conventional_setting> rhombohedral(const std::vector<imat3>& rotations,
                                                 const dmat3& g) {
  imat3 three = of_order(rotations, 3).front();
  if (std::abs(dot(rotation_axis(three), reciprocal_axis(three))) != 3)
    return std::nullopt;  // a trigonal group of a hexagonal lattice
  imat3 basis = hexagonal_axes(three, g);
  // Obverse setting: centring at (2/3, 1/3, 1/3) and (1/3, 2/3, 2/3); the reverse one is turned
  // by 180° about c.
  if (relation_of(basis).reverse)
    for (int j = 0; j < 6; ++j) basis[j] = -basis[j];
  return conventional_setting{bravais_type::hR, basis};
}

conventional_setting cubic(const std::vector<imat3>& rotations) {
  std::vector<ivec3> axes = distinct_axes(of_order(rotations, 4));
  imat3 basis = right_handed(from_rows(axes[0], axes[1], axes[2]));
  int det = determinant(basis);
  return {det == 1 ? bravais_type::cP : det == 2 ? bravais_type::cI : bravais_type::cF, basis};
}

}  // namespace

std::optional<conventional_setting> conventional_setting_of(const std::vector<imat3>& rotations,
                                                            const dmat3& ideal) {
  switch (rotations.size()) {
    case 1:
      return conventional_setting{bravais_type::aP, identity3<imat3>()};
    case 2:
      return monoclinic_setting(of_order(rotations, 2).front(), ideal);
    case 4:
      if (of_order(rotations, 2).size() != 3) return std::nullopt;  // the cyclic group 4
      return orthorhombic(rotations, ideal);
    case 6:
      if (!of_order(rotations, 6).empty()) return std::nullopt;  // the cyclic group 6
      return rhombohedral(rotations, ideal);
    case 8:
      return tetragonal(rotations, ideal);
    case 12:
      if (of_order(rotations, 6).empty()) return std::nullopt;  // 23
      return conventional_setting{bravais_type::hP,
                                  hexagonal_axes(of_order(rotations, 3).front(), ideal)};
    case 24:
      return cubic(rotations);
    default:
      return std::nullopt;  // 3 alone
  }
}

}  // namespace lattice
