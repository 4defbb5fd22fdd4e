// Many cells of one indexing run compared: each one's lattice type, and the cells grouped by
// lattice, the same lattice in any setting together with its sub- and superlattices.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lattice/analysis.hpp"

namespace lattice {

inline constexpr int kLargestGroupIndex = 4;
// A match's edges agree within a relative tolerance above 0 and at most 0.2.
inline constexpr double kLargestLengthTolerance = 0.2;
bool is_length_tolerance(double relative);

struct comparison_options {
  double delta_limit = kDefaultDeltaLimit;  // the lattice types, and the angles of a match
  double length_tolerance = 0.01;           // relative, for the edges of a match
};

struct numbered_cell {
  int number = 0;
  cell input;
  int line = 0;  // where it was read, 0 when unknown
};

struct solution_type {
  int number = 0;
  cell input;
  bravais_type bravais = bravais_type::aP;
  double delta = 0;
};

// How a member's lattice stands to its head's: the member's cell judged in the head's lattice
// (same lattice, or a superlattice), or, when the member's lattice is the finer one, the head's
// cell judged in the member's lattice (same lattice, or the member a sublattice).
struct group_member {
  int number = 0;
  cell_relation relation;
  rational_matrix matrix;  // rows: the member's axes in the head's axes
  // The head's cell is the centred one (summary lines carry no centring, so a centred cell of
  // the same lattice comes as a larger primitive cell).
  bool head_centred = false;
};

// The relation as text: "same lattice, C-centred cell", "superlattice ×4", "sublattice ×2", with
// " (the head's cell)" when the head's cell is the centred one.
std::string member_verdict(const group_member& m);

struct solution_group {
  int head = 0;  // the most symmetric member: highest holohedry, then least delta
  std::vector<group_member> members;  // without the head, by number
};

struct unusable_solution {
  int number = 0;  // 0 for a line that got no number
  int line = 0;    // the file's line, 0 when unknown
  std::string reason;
};

struct solution_comparison {
  std::vector<solution_type> solutions;
  std::vector<solution_group> groups;  // every usable solution in exactly one
  std::vector<unusable_solution> unusable;
};

// Throws lattice_error for options out of range; a cell without volume is unusable, not an error.
solution_comparison compare_solutions(const std::vector<numbered_cell>& cells,
                                      const comparison_options& options);

}  // namespace lattice
