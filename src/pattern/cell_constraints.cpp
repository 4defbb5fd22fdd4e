// One table row per crystal system.
#include "pattern/cell_constraints.hpp"

#include <algorithm>

namespace pattern {

std::array<int, 6> constraint_pattern(lattice::bravais_type t) {
  switch (lattice::system_of(t)) {
    case lattice::lattice_system::cubic:
      return {0, 0, 0, -1, -1, -1};
    case lattice::lattice_system::tetragonal:
    case lattice::lattice_system::hexagonal:
    case lattice::lattice_system::rhombohedral:
      return {0, 0, 1, -1, -1, -1};
    case lattice::lattice_system::orthorhombic:
      return {0, 1, 2, -1, -1, -1};
    case lattice::lattice_system::monoclinic:
      return {0, 1, 2, -1, 3, -1};
    case lattice::lattice_system::triclinic:
      break;
  }
  return {0, 1, 2, 3, 4, 5};
}

std::vector<double> free_parameters(lattice::bravais_type t, const lattice::cell& c) {
  const std::array<int, 6> p = constraint_pattern(t);
  std::vector<double> free(static_cast<std::size_t>(*std::max_element(p.begin(), p.end()) + 1));
  const std::array<double, 6> values = c.parameters();
  for (int k = 5; k >= 0; --k)
    if (p[k] >= 0) free[static_cast<std::size_t>(p[k])] = values[k];
  return free;
}

lattice::cell constrained_cell(lattice::bravais_type t, const std::vector<double>& free,
                               const lattice::cell& fixed) {
  const std::array<int, 6> p = constraint_pattern(t);
  std::array<double, 6> v = fixed.parameters();
  for (int k = 0; k < 6; ++k)
    if (p[k] >= 0) v[k] = free[static_cast<std::size_t>(p[k])];
  return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

}  // namespace pattern
