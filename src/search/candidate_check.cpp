// One candidate cell, tested step for step: every stored intermediate is a 48-bit real.
#include "search/candidate_check.hpp"

#include <array>
#include <cmath>

#include "mathhkl/angles.hpp"
#include "mathhkl/geometry.hpp"

namespace quarvel {
namespace {

using mathhkl::arc_cos;
using mathhkl::kDegreesPerRadian;

// Each takes an orthohexagonal cell (two edges at right angles in the ratio sqrt(3) : 1) to the
// hexagonal cell it contains; determinant 1/2. Index: hex_case - 1.
const std::array<matrix3, 6>& hex_matrices() {
  static const std::array<matrix3, 6> m{{
      {{{1, 0, 0}, {-0.5L, 0.5L, 0}, {0, 0, 1}}},   // 1: b/a = sqrt(3)
      {{{0.5L, -0.5L, 0}, {0, 1, 0}, {0, 0, 1}}},   // 2: a/b
      {{{0, 0, 1}, {0.5L, 0, -0.5L}, {0, 1, 0}}},   // 3: a/c
      {{{1, 0, 0}, {-0.5L, 0, 0.5L}, {0, -1, 0}}},  // 4: c/a
      {{{0, 0, 1}, {0, 0.5L, -0.5L}, {-1, 0, 0}}},  // 5: b/c
      {{{0, 1, 0}, {0, -0.5L, 0.5L}, {1, 0, 0}}},   // 6: c/b
  }};
  return m;
}

long double dot(const lattice_vector& p, const lattice_vector& q) {
  return p.x * q.x + p.y * q.y + p.z * q.z;
}

// The edge ratio near sqrt(3) within the fixed 0.005; the last of the six tests to hold wins.
int orthohexagonal_case(long double a, long double b, long double c) {
  const long double root3 = std::sqrt(3.0L);
  auto near = [&](long double ratio) { return std::fabs(ratio - root3) < 0.005L; };
  int hex_case = 0;
  if (near(a / b)) hex_case = 2;
  if (near(b / a)) hex_case = 1;
  if (near(a / c)) hex_case = 3;
  if (near(c / a)) hex_case = 4;
  if (near(b / c)) hex_case = 5;
  if (near(c / b)) hex_case = 6;
  return hex_case;
}

// Turns the orthorhombic candidate into its hexagonal cell; false when a cosine leaves -1..1.
bool convert_to_hexagonal(int hex_case, const matrix3& t, const matrix3& axes_matrix,
                          found_cell& cell) {
  matrix3 p;
  mathhkl::mat_mult(hex_matrices()[hex_case - 1], t, p);
  mathhkl::mat_copy(p, cell.matrix);
  mathhkl::mat_transpose(p);
  matrix3 edges;  // columns: the new edges in Cartesian form
  mathhkl::mat_mult(axes_matrix, p, edges);
  auto column_dot = [&](int i, int j) {
    return edges[0][i] * edges[0][j] + edges[1][i] * edges[1][j] + edges[2][i] * edges[2][j];
  };
  cell.a = std::sqrt(column_dot(0, 0));
  cell.b = std::sqrt(column_dot(1, 1));
  cell.c = std::sqrt(column_dot(2, 2));
  auto angle = [&](int i, int j, const real48& li, const real48& lj, real48& out) {
    const real48 cosine = column_dot(i, j) / (li * lj);
    if (std::fabs(cosine) > 1.0L) return false;
    out = arc_cos(cosine) * kDegreesPerRadian;
    return true;
  };
  if (!angle(0, 1, cell.a, cell.b, cell.gamma)) return false;
  if (!angle(1, 2, cell.b, cell.c, cell.alpha)) return false;
  if (!angle(2, 0, cell.c, cell.a, cell.beta)) return false;
  cell.volume = ((cell.a * cell.b) * cell.c) * std::sqrt(3.0L) * 0.5L;
  cell.system = mathhkl::crystal_system::hexagonal;
  cell.code = mathhkl::info_of(cell.system).code;
  return true;
}

}  // namespace

real48 candidate_check::pair_cosine(size_t p, size_t q) const {
  const lattice_vector& vp = vectors_[p];
  const lattice_vector& vq = vectors_[q];
  return dot(vp, vq) / (vp.length * vq.length);
}

bool candidate_check::test(size_t p, size_t q, size_t r, const matrix3& t, const real48& cos_gamma,
                           found_cell& cell) const {
  const lattice_vector& vp = vectors_[p];
  const lattice_vector& vq = vectors_[q];
  const lattice_vector& vr = vectors_[r];
  const real48 cos_beta = dot(vp, vr) / (vp.length * vr.length);
  const real48 cos_alpha = dot(vq, vr) / (vq.length * vr.length);
  if (std::fabs(cos_alpha) >= 1.0L || std::fabs(cos_beta) >= 1.0L || std::fabs(cos_gamma) >= 1.0L) {
    return false;
  }
  cell = found_cell{};
  cell.alpha = arc_cos(cos_alpha) * kDegreesPerRadian;
  cell.beta = arc_cos(cos_beta) * kDegreesPerRadian;
  cell.gamma = arc_cos(cos_gamma) * kDegreesPerRadian;
  const real48 closure = mathhkl::cosine_closure(cos_alpha, cos_beta, cos_gamma);
  cell.volume = ((vp.length * vq.length) * vr.length) * std::sqrt(closure.value());
  cell.a = vp.length;
  cell.b = vq.length;
  cell.c = vr.length;
  const auto system = mathhkl::classify_cell(cell.a, cell.b, cell.c, cell.alpha, cell.beta,
                                             cell.gamma, conditions_.tol);
  if (system.system == mathhkl::crystal_system::triclinic) return false;
  cell.code = system.candidate_code;
  cell.system = system.system;
  mathhkl::mat_copy(t, cell.matrix);
  if (cell.system == mathhkl::crystal_system::orthorhombic) {
    if (conditions_.start_is_hexagonal) return false;
    const int hex_case = orthohexagonal_case(cell.a, cell.b, cell.c);
    if (hex_case > 0 && !convert_to_hexagonal(hex_case, t, axes_, cell)) return false;
  }
  const long double ratio = cell.volume / conditions_.start_volume;
  if (ratio > conditions_.max_vol_ratio) return false;
  cell.ratio = ratio;
  return true;
}

}  // namespace quarvel
