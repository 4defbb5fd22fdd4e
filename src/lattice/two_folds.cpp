// The lattice's symmetry from its near two-fold axes.
#include "lattice/two_folds.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "lattice/gemmi_bridge.hpp"
#include "lattice/metric.hpp"
#include "lattice/rotation_group.hpp"

namespace lattice {

namespace {

constexpr double kDegree = 180 / std::numbers::pi;

double cos_obliquity(const dmat3& g, const dmat3& g_inv, const ivec3& u, const ivec3& h) {
  double uh = std::abs(dot(u, h));
  return std::min(1.0, uh / std::sqrt(length_sq(g, u) * reciprocal_length_sq(g_inv, h)));
}

struct candidate {
  imat3 rotation;
  double cos_delta;
};

}  // namespace

double obliquity(const dmat3& g, const dmat3& g_inv, const ivec3& u, const ivec3& h) {
  return std::acos(cos_obliquity(g, g_inv, u, h)) * kDegree;
}

double two_fold_obliquity(const dmat3& g, const dmat3& g_inv, const imat3& r) {
  return obliquity(g, g_inv, rotation_axis(r), reciprocal_axis(r));
}

double largest_obliquity(const dmat3& g, const dmat3& g_inv, const std::vector<imat3>& rotations) {
  double largest = 0;
  for (const imat3& r : rotations)
    if (rotation_order(r) == 2) largest = std::max(largest, two_fold_obliquity(g, g_inv, r));
  return largest;
}

std::vector<imat3> lattice_rotation_group(const dmat3& g, double max_delta) {
  dmat3 g_inv = inverse(g);
  double min_cos = std::cos(max_delta / kDegree);
  std::vector<candidate> candidates;
  for (const gemmi_bridge::two_fold& t : gemmi_bridge::reduced_cell_two_folds()) {
    double c = cos_obliquity(g, g_inv, t.direct_axis, t.reciprocal_axis);
    if (c >= min_cos) candidates.push_back({t.rotation, c});
  }
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const candidate& x, const candidate& y) { return x.cos_delta > y.cos_delta; });
  std::vector<imat3> group{identity3<imat3>()};
  for (const candidate& two_fold : candidates) {
    std::optional<std::vector<imat3>> larger = expanded(group, two_fold.rotation);
    if (!larger) break;
    if (largest_obliquity(g, g_inv, *larger) > max_delta) continue;
    group = std::move(*larger);
  }
  return group;
}

}  // namespace lattice
