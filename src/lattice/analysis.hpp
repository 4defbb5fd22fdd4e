// The lattice analysis of one cell: reduction, metric subgroups with δ, derivative lattices.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
  double delta = 0;                  // degrees
  cell conventional;                 // carried from the input cell
  cell ideal;                        // the same cell with the metric averaged over the symmetry
  double length_deviation = 0;       // largest |conventional - ideal| of a, b, c, in Å
  double angle_deviation = 0;        // the same of the angles, in degrees
  double volume_ratio = 1;           // V(conventional) / V(input cell)
  rational_matrix matrix;            // rows: the conventional axes in the input axes
  std::optional<cell> rhombohedral;  // hR only: the primitive cell on rhombohedral axes
  std::optional<cell> rhombohedral_ideal;

  bool superlattice() const { return index > 1; }
  std::string verdict() const { return superlattice() ? "superlattice" : "same lattice"; }
};

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
  int index = 1;            // of the spanned lattice in the input lattice
  bravais_type bravais = bravais_type::aP;
  double delta = 0;
  bool same_lattice = true;  // its symmetry maps the input lattice onto itself
  std::string verdict() const { return same_lattice ? "same lattice" : "superlattice"; }
};

basis_verdict judge_basis(const cell& input, const analysis_options& options, const imat3& rows);

}  // namespace lattice
