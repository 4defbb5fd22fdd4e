// Every metric subgroup of a lattice's point group that is the holohedry of a Bravais lattice.
#pragma once

#include <tuple>
#include <vector>

#include "lattice/bravais_setting.hpp"
#include "lattice/matrix3.hpp"

namespace lattice {

struct metric_subgroup {
  conventional_setting setting;  // basis rows in the reduced axes
  double delta;                  // largest obliquity of its two-folds, degrees
  dmat3 ideal_metric;            // reduced metric averaged over the subgroup
  std::vector<imat3> rotations;
};

// g: the Niggli-reduced metric; rotations: the lattice's rotation group in that basis. Listed
// from the most symmetric type down, then by δ; conjugate subgroups each once.
std::vector<metric_subgroup> metric_subgroups(const dmat3& g, const std::vector<imat3>& rotations);

// Sort key: the most symmetric type first (holohedry order, then space-group number, as cctbx
// ranks them), then the smaller δ.
std::tuple<int, int, double> symmetry_rank(bravais_type t, double delta);

// The highest entry alone (the lattice's own Bravais type), without enumerating the others.
metric_subgroup lattice_holohedry(const dmat3& g, const std::vector<imat3>& rotations);

}  // namespace lattice
