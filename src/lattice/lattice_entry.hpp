// One listed lattice: a metric subgroup carried back to the user's cell.
#pragma once

#include <optional>
#include <string>

#include "lattice/cell_relation.hpp"
#include "lattice/metric_subgroups.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/reduction.hpp"
#include "lattice/types.hpp"

namespace lattice {

struct lattice_entry {
  int index = 1;  // 1: the input lattice itself; N: a sub-lattice of index N
  bravais_type bravais = bravais_type::aP;
  centring cell_centring = centring::P;  // of the conventional cell, in its own lattice
  double delta = 0;                      // degrees
  cell conventional;                     // carried from the input cell
  cell ideal;                            // the same cell with the metric averaged over the symmetry
  double length_deviation = 0;           // largest |conventional - ideal| of a, b, c, in Å
  double angle_deviation = 0;            // the same of the angles, in degrees
  double volume_ratio = 1;               // V(conventional) / V(input cell)
  rational_matrix matrix;                // rows: the conventional axes in the input axes
  std::optional<cell> rhombohedral;      // hR only: the primitive cell on rhombohedral axes
  std::optional<cell> rhombohedral_ideal;
  cell_relation relation;  // of the conventional cell, read with its centring, to the input lattice
};

// The Bravais symbol, with the cell's centring beside it where it is not the symbol's own letter:
// "mC", "mC (I cell)", "hR".
std::string type_label(const lattice_entry& e);

// The primitive cell on rhombohedral axes of an hR lattice given by its obverse hexagonal cell.
cell rhombohedral_axes_cell(const cell& hexagonal);

// `lattice` is the reduced basis of the lattice the subgroup belongs to, its rows in the input
// axes; `in_parent` the same rows in the input lattice's reduced basis (the identity for the
// input lattice itself); `index` that lattice's index in the input lattice.
lattice_entry entry_of(const metric_subgroup& s, const reduced_basis& lattice,
                       const imat3& in_parent, int index);

}  // namespace lattice
