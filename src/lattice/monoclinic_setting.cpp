// Monoclinic settings, chosen the way cctbx's "best cell" chooses them: among the cells with
// short axes in the plane perpendicular to b, the one with β nearest 90°; betas closer than 3°
// to each other are ranked by a, then b, then c; a C-centred cell becomes I-centred when
// a' = a + c gives a smaller obtuse β.
#include "lattice/monoclinic_setting.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "lattice/metric.hpp"
#include "lattice/plane_lattice.hpp"
#include "lattice/rotation_group.hpp"

namespace lattice {

namespace {

constexpr double kAngularTolerance = 3;  // degrees, as cctbx's default

// A cell a, b, c with a = i p + j q and c = k p + l q in the plane perpendicular to b; b is the
// same for all, so only a, c and β tell them apart.
struct candidate {
  int i, j, k, l;
  double a, c, beta;
};

// Inner products in the plane lattice, from the metric of its basis p, q.
struct plane_metric {
  double pp, pq, qq;
  double dot(int i, int j, int k, int l) const {
    return i * k * pp + (i * l + j * k) * pq + j * l * qq;
  }
};

candidate measured(int i, int j, int k, int l, const plane_metric& m) {
  double a = std::sqrt(m.dot(i, j, i, j)), c = std::sqrt(m.dot(k, l, k, l));
  double cosine = std::clamp(m.dot(i, j, k, l) / (a * c), -1.0, 1.0);
  return {i, j, k, l, a, c, std::acos(cosine) * 180 / std::numbers::pi};
}

// -1 when x is the better cell, 1 when y is, 0 when neither.
int compare(const candidate& x, const candidate& y) {
  if (std::abs(x.beta - y.beta) < kAngularTolerance) {
    if (x.a != y.a) return x.a < y.a ? -1 : 1;
    if (x.c != y.c) return x.c < y.c ? -1 : 1;
    return 0;
  }
  double dx = std::abs(x.beta - 90), dy = std::abs(y.beta - 90);
  if (std::abs(dx - dy) > kAngularTolerance) return dx < dy ? -1 : 1;
  if (x.beta > 90 && y.beta < 90) return -1;
  if (x.beta < 90 && y.beta > 90) return 1;
  if (x.beta != y.beta) return x.beta > y.beta ? -1 : 1;
  return 0;
}

// β ≥ 90° by turning a.
candidate obtuse(const candidate& x) {
  if (x.beta >= 90) return x;
  return {-x.i, -x.j, x.k, x.l, x.a, x.c, 180 - x.beta};
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

// Cells with a, c short vectors of the plane lattice (p, q), β obtuse, each replaced by a + c, b,
// c when that is obtuse with a smaller β; for mC only those with the centring on ab.
std::vector<candidate> candidate_cells(const plane_metric& m, const std::array<int, 2>* centring) {
  std::vector<candidate> candidates;
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j)
      for (int k = -2; k <= 2; ++k)
        for (int l = -2; l <= 2; ++l) {
          if (std::abs(i * l - j * k) != 1) continue;
          if (centring && ((i - (*centring)[0]) % 2 != 0 || (j - (*centring)[1]) % 2 != 0))
            continue;
          candidate x = obtuse(measured(i, j, k, l, m));
          candidate alt = measured(x.i + x.k, x.j + x.l, x.k, x.l, m);
          candidates.push_back(alt.beta >= 90 && alt.beta < x.beta ? alt : x);
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
  std::array<int, 2> centring{};
  if (centred) centring = centring_class(u, h, p, q);
  plane_metric m{length_sq(ideal, p), dot(to_real(p), lattice::apply(ideal, to_real(q))),
                 length_sq(ideal, q)};
  std::vector<candidate> candidates = candidate_cells(m, centred ? &centring : nullptr);
  // A fixed order first, so that the pairwise choice below does not depend on the enumeration.
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const candidate& x, const candidate& y) {
                     return std::tuple(std::abs(x.beta - 90), x.a, x.c) <
                            std::tuple(std::abs(y.beta - 90), y.a, y.c);
                   });
  candidate best = candidates.front();
  for (const candidate& x : candidates)
    if (compare(best, x) > 0) best = x;
  ivec3 a = combination(best.i, p, best.j, q), c = combination(best.k, p, best.l, q);
  imat3 basis = from_rows(a, u, c);
  if (determinant(basis) < 0) basis = from_rows(a, negated(u), c);
  return {centred ? bravais_type::mC : bravais_type::mP, basis};
}

}  // namespace lattice
