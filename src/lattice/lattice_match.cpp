// Matching by lengths first: each edge of the target picks the short vectors of the same
// length, then the angles and the determinant sort out the triples.
#include "lattice/lattice_match.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "lattice/metric.hpp"

namespace lattice {

namespace {

constexpr int kLargestEntry = 2;
constexpr double kDegree = 180 / std::numbers::pi;

struct short_vector {
  ivec3 v;
  dvec3 gv;  // G v, for the dot products with the other rows
  double length;
};

std::vector<short_vector> short_vectors(const dmat3& g) {
  std::vector<short_vector> out;
  for (int i = -kLargestEntry; i <= kLargestEntry; ++i)
    for (int j = -kLargestEntry; j <= kLargestEntry; ++j)
      for (int k = -kLargestEntry; k <= kLargestEntry; ++k) {
        ivec3 v{i, j, k};
        if (is_zero(v)) continue;
        dvec3 x = to_real(v);
        dvec3 gv = lattice::apply(g, x);
        out.push_back({v, gv, std::sqrt(dot(x, gv))});
      }
  return out;
}

double angle_between(const short_vector& x, const short_vector& y) {
  double cosine = dot(x.gv, to_real(y.v)) / (x.length * y.length);
  return std::acos(std::clamp(cosine, -1.0, 1.0)) * kDegree;
}

}  // namespace

std::optional<imat3> match_metric(const dmat3& g_from, const dmat3& g_to,
                                  const match_tolerance& tolerance) {
  const cell target = cell_of(g_to);
  const double lengths[3] = {target.a, target.b, target.c};
  const std::vector<short_vector> vectors = short_vectors(g_from);
  std::vector<const short_vector*> candidates[3];
  for (int k = 0; k < 3; ++k)
    for (const short_vector& s : vectors)
      if (std::abs(s.length - lengths[k]) <= tolerance.relative_length * lengths[k])
        candidates[k].push_back(&s);
  auto fits = [&](double angle, double wanted) {
    return std::abs(angle - wanted) <= tolerance.angle;
  };
  for (const short_vector* x : candidates[0])
    for (const short_vector* y : candidates[1]) {
      if (!fits(angle_between(*x, *y), target.gamma)) continue;
      for (const short_vector* z : candidates[2]) {
        if (!fits(angle_between(*x, *z), target.beta) || !fits(angle_between(*y, *z), target.alpha))
          continue;
        imat3 m = from_rows(x->v, y->v, z->v);
        // -M spans the same lattice with the same angles, so det -1 is as good a match.
        int det = determinant(m);
        if (det == -1)
          for (int& e : m) e = -e;
        if (det == 1 || det == -1) return m;
      }
    }
  return std::nullopt;
}

}  // namespace lattice
