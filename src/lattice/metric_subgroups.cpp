// Subgroups of the lattice group, classified and ranked.
#include "lattice/metric_subgroups.hpp"

#include <algorithm>
#include <tuple>

#include "lattice/metric.hpp"
#include "lattice/rotation_group.hpp"
#include "lattice/two_folds.hpp"

namespace lattice {

namespace {

// The mean of Rᵀ G R over the group (its Reynolds average) is a metric every rotation of the
// group keeps, and G itself when G already has the symmetry: the symmetry-constrained ("ideal")
// cell. cctbx symmetrises a cell the same way (Sauter, Grosse-Kunstleve & Adams 2004, J. Appl.
// Cryst. 37, 399, doi:10.1107/S0021889804005874); the ideal cells agree with its averaged cells
// to 2·10⁻³ in tools/lattice-crosscheck.
dmat3 averaged_metric(const dmat3& g, const std::vector<imat3>& rotations) {
  dmat3 sum{};
  for (const imat3& r : rotations) {
    dmat3 term = transformed(g, transpose(r));  // Rᵀ G R
    for (int i = 0; i < 9; ++i) sum[i] += term[i];
  }
  for (double& x : sum) x /= static_cast<double>(rotations.size());
  return sum;
}

std::optional<metric_subgroup> classified(const dmat3& g, const dmat3& g_inv,
                                          std::vector<imat3> rotations) {
  dmat3 ideal = averaged_metric(g, rotations);
  std::optional<conventional_setting> setting = conventional_setting_of(rotations, ideal);
  if (!setting) return std::nullopt;
  double delta = largest_obliquity(g, g_inv, rotations);
  return metric_subgroup{*setting, delta, ideal, std::move(rotations)};
}

}  // namespace

std::tuple<int, int, double> symmetry_rank(bravais_type t, double delta) {
  return {-holohedry_order(t), -space_group_number(t), delta};
}

std::vector<metric_subgroup> metric_subgroups(const dmat3& g, const std::vector<imat3>& rotations) {
  dmat3 g_inv = inverse(g);
  rotation_group group(rotations);
  std::vector<metric_subgroup> found;
  for (subgroup_mask mask : group.subgroups())
    if (auto s = classified(g, g_inv, group.members(mask))) found.push_back(std::move(*s));
  std::stable_sort(
      found.begin(), found.end(), [](const metric_subgroup& x, const metric_subgroup& y) {
        return symmetry_rank(x.setting.type, x.delta) < symmetry_rank(y.setting.type, y.delta);
      });
  return found;
}

metric_subgroup lattice_holohedry(const dmat3& g, const std::vector<imat3>& rotations) {
  // The whole lattice group is a holohedry whenever it is found from two-folds alone.
  if (auto s = classified(g, inverse(g), rotations)) return *s;
  return metric_subgroups(g, rotations).front();
}

}  // namespace lattice
