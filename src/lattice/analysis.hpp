// The lattice analysis of one cell: reduction, metric subgroups with δ, derivative lattices.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lattice/cell_relation.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/types.hpp"

namespace lattice {

// The default obliquity limit, in degrees (see the README for the choice).
inline constexpr double kDefaultDeltaLimit = 3.0;
inline constexpr int kLargestIndex = 10;
// Keeps every determinant of a basis well inside 32 bits.
inline constexpr int kLargestBasisEntry = 100;

struct analysis_options {
  centring centring_type = centring::P;
  double delta_limit = kDefaultDeltaLimit;
  int max_index = 1;  // derivative lattices of index 2..max_index
};

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

struct analysis {
  cell input;
  centring centring_type = centring::P;
  double input_volume = 0;
  cell reduced;
  rational_matrix reduced_matrix;  // rows: the Niggli axes in the input axes
  double delta_limit = kDefaultDeltaLimit;
  std::vector<lattice_entry> lattices;
};

// Throws lattice_error for a cell without volume, a limit that is not a number in (0°, 45°] or
// an index outside 1..10.
analysis analyse(const cell& input, const analysis_options& options);

// What three lattice vectors span (rows in the input axes, integers).
struct basis_verdict {
  cell spanned;
  double volume_ratio = 1;  // |det|: V(spanned) / V(input cell)
  cell_relation relation;   // index: of the spanned lattice in the input lattice
  // The input lattice's type for a cell of the same lattice, else the spanned lattice's own.
  bravais_type bravais = bravais_type::aP;
  double delta = 0;
};

basis_verdict judge_basis(const cell& input, const analysis_options& options, const imat3& rows);

}  // namespace lattice
