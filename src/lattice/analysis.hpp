// The lattice analysis of one cell: reduction, metric subgroups with δ, derivative lattices.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lattice/cell_relation.hpp"
#include "lattice/lattice_entry.hpp"
#include "lattice/types.hpp"

namespace lattice {

// The default obliquity limit, in degrees (see the README for the choice), and the largest one
// taken: δ is a number of degrees above 0 and at most 45.
inline constexpr double kDefaultDeltaLimit = 3.0;
inline constexpr double kLargestDeltaLimit = 45.0;
bool is_delta_limit(double degrees);
inline constexpr int kLargestIndex = 10;
// Keeps every determinant of a basis well inside 32 bits.
inline constexpr int kLargestBasisEntry = 100;

struct analysis_options {
  centring centring_type = centring::P;
  double delta_limit = kDefaultDeltaLimit;
  int max_index = 1;  // derivative lattices of index 2..max_index
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
  cell_relation relation;   // index: of the spanned lattice in the input lattice
  // The input lattice's type for a cell of the same lattice, else the spanned lattice's own.
  bravais_type bravais = bravais_type::aP;
  double delta = 0;
};

basis_verdict judge_basis(const cell& input, const analysis_options& options, const imat3& rows);

}  // namespace lattice
