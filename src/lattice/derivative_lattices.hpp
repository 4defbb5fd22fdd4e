// Sub-lattices with a symmetry the lattice itself lacks: what only a superstructure can have.
#pragma once

#include <optional>
#include <vector>

#include "lattice/analysis.hpp"
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

// True when every rotation of the sub-lattice maps the parent lattice onto itself: the
// sub-lattice's cell is a centred cell of the parent, with no reflection the parent lacks.
bool maps_lattice_onto_itself(const derivative_lattice& d);

// The sub-lattice's rotations on the parent's coordinates when every one maps the parent lattice
// onto itself (the sub-lattice's cell is then a centred cell of the parent, with no reflection
// the parent lacks); nothing otherwise.
std::optional<std::vector<imat3>> rotations_in_parent(const derivative_lattice& d);

// True when, besides, every such rotation is one of the parent's own.
bool symmetry_within_parent(const derivative_lattice& d);

// Entries for the sub-lattice classes of one index whose symmetry is not within the parent's.
std::vector<lattice_entry> derivative_entries(const reduced_basis& parent,
                                              const std::vector<imat3>& parent_rotations, int index,
                                              double max_delta);

}  // namespace lattice
