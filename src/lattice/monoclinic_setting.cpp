// Monoclinic settings, chosen the way cctbx's "best cell" chooses them: among the cells with
// short axes in the plane perpendicular to b, the one with β nearest 90°; betas closer than 3°
// to each other are ranked by a, then b, then c; a C-centred cell becomes I-centred when
// a' = a + c gives a smaller obtuse β.
#include "lattice/monoclinic_setting.hpp"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "lattice/metric.hpp"
#include "lattice/plane_lattice.hpp"
#include "lattice/rotation_group.hpp"

namespace lattice {

namespace {

constexpr double kAngularTolerance = 3;  // degrees, as cctbx's default

struct candidate {
  imat3 basis;
  cell parameters;
};

// -1 when x is the better cell, 1 when y is, 0 when neither.
int compare(const cell& x, const cell& y) {
  if (std::abs(x.beta - y.beta) < kAngularTolerance) {
    for (auto [p, q] : {std::pair{x.a, y.a}, {x.b, y.b}, {x.c, y.c}})
      if (p != q) return p < q ? -1 : 1;
    return 0;
  }
  double dx = std::abs(x.beta - 90), dy = std::abs(y.beta - 90);
  if (std::abs(dx - dy) > kAngularTolerance) return dx < dy ? -1 : 1;
  if (x.beta > 90 && y.beta < 90) return -1;
  if (x.beta < 90 && y.beta > 90) return 1;
  if (x.beta != y.beta) return x.beta > y.beta ? -1 : 1;
  return 0;
}

candidate make(const ivec3& a, const ivec3& b, const ivec3& c, const dmat3& g) {
  imat3 basis = from_rows(a, b, c);
  if (determinant(basis) < 0) basis = from_rows(a, negated(b), c);
  return {basis, cell_of(transformed(g, basis))};
}

// β ≥ 90° by turning a (and b, to stay right-handed).
candidate obtuse(const candidate& x, const dmat3& g) {
  if (x.parameters.beta >= 90) return x;
  return make(negated(row(x.basis, 0)), negated(row(x.basis, 1)), row(x.basis, 2), g);
}

// The class modulo 2 of (p, q) coordinates of the vectors a with (a + b)/2 a lattice vector:
// that of 2w - b for any w with h·w = 1 (b = u, with u·h = 2).
std::array<int, 2> centring_class(const ivec3& u, const ivec3& h, const ivec3& p, const ivec3& q) {
  ivec3 normal = cross(p, q);  // parallel to h: (p, q) spans the plane
  ivec3 a0 = combination(2, unit_completion(h), -1, u);
  // a0 = s p + t q: s and t from the components perpendicular to q and to p.
  int norm = dot(normal, normal);
  int s = dot(cross(a0, q), normal) / norm;
  int t = dot(cross(p, a0), normal) / norm;
  return {((s % 2) + 2) % 2, ((t % 2) + 2) % 2};
}

// Cells (a, b, c) with a, c short vectors of the plane lattice (p, q), β obtuse, each replaced by
// a + c, b, c when that is obtuse with a smaller β; for mC only those with the centring on ab.
std::vector<candidate> candidate_cells(const ivec3& u, const ivec3& p, const ivec3& q,
                                       const std::array<int, 2>* centring, const dmat3& g) {
  std::vector<candidate> candidates;
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j)
      for (int k = -2; k <= 2; ++k)
        for (int l = -2; l <= 2; ++l) {
          if (std::abs(i * l - j * k) != 1) continue;
          if (centring && ((i - (*centring)[0]) % 2 != 0 || (j - (*centring)[1]) % 2 != 0))
            continue;
          candidate x = obtuse(make(combination(i, p, j, q), u, combination(k, p, l, q), g), g);
          candidate alt = make(combination(1, row(x.basis, 0), 1, row(x.basis, 2)), row(x.basis, 1),
                               row(x.basis, 2), g);
          candidates.push_back(
              alt.parameters.beta >= 90 && alt.parameters.beta < x.parameters.beta ? alt : x);
        }
  return candidates;
}

}  // namespace

conventional_setting monoclinic_setting(const imat3& two_fold, const dmat3& ideal) {
  ivec3 u = rotation_axis(two_fold);
  ivec3 h = reciprocal_axis(two_fold);
  if (dot(u, h) < 0) u = negated(u);
  bool centred = dot(u, h) == 2;
  auto [p, q] = gauss_reduced(plane_basis(h), ideal);
  std::array<int, 2> centring = centring_class(u, h, p, q);
  std::vector<candidate> candidates =
      candidate_cells(u, p, q, centred ? &centring : nullptr, ideal);
  // A fixed order first, so that the pairwise choice below does not depend on the enumeration.
  std::stable_sort(
      candidates.begin(), candidates.end(), [](const candidate& x, const candidate& y) {
        return std::tuple(std::abs(x.parameters.beta - 90), x.parameters.a, x.parameters.c) <
               std::tuple(std::abs(y.parameters.beta - 90), y.parameters.a, y.parameters.c);
      });
  candidate best = candidates.front();
  for (const candidate& x : candidates)
    if (compare(best.parameters, x.parameters) > 0) best = x;
  return {centred ? bravais_type::mC : bravais_type::mP, best.basis};
}

}  // namespace lattice
