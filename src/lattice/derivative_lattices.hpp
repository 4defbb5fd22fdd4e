// Sub-lattices with a symmetry the lattice itself lacks: what only a superstructure can have.
#pragma once

#include <vector>

#include "lattice/lattice_entry.hpp"
#include "lattice/metric_subgroups.hpp"
#include "lattice/reduction.hpp"

namespace lattice {

struct derivative_lattice {
  imat3 in_parent;        // rows: its reduced axes in the parent's reduced axes
  reduced_basis reduced;  // its reduced metric; rows in the parent's reduced axes
  std::vector<imat3> parent_rotations;
  metric_subgroup holohedry;
};

// The sub-lattice spanned by the rows h (in the parent's reduced axes) of the lattice with
// reduced metric g, with its own symmetry within max_delta.
derivative_lattice derivative_lattice_of(const dmat3& g, const imat3& h, double max_delta,
                                         std::vector<imat3> parent_rotations = {});

// True when every rotation of the sub-lattice is one of the parent's own: the sub-lattice has
// no symmetry the parent lacks.
bool symmetry_within_parent(const derivative_lattice& d);

// Entries for the sub-lattice classes of one index whose symmetry is not within the parent's.
std::vector<lattice_entry> derivative_entries(const reduced_basis& parent,
                                              const std::vector<imat3>& parent_rotations, int index,
                                              double max_delta);

}  // namespace lattice
