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

struct comparison_options {
  double delta_limit = kDefaultDeltaLimit;  // the lattice types, and the angles of a match
  double length_tolerance = 0.01;           // relative, for the edges of a match
};

struct numbered_cell {
  int number = 0;
  cell input;
  int line = 0;  // where it was read, 0 when unknown
};

enum class relation { same_lattice, sublattice, superlattice };
std::string_view relation_name(relation r);  // "same lattice", "sublattice", "superlattice"

struct solution_type {
  int number = 0;
  cell input;
  bravais_type bravais = bravais_type::aP;
  double delta = 0;
};

// How a member's lattice stands to its head's.
struct group_member {
  int number = 0;
  relation kind = relation::same_lattice;
  int index = 1;           // 1 for the same lattice; else how many times one cell the other is
  rational_matrix matrix;  // rows: the member's axes in the head's axes
  // The larger of the two cells, read with this centring, is a cell of the other's lattice:
  // the same lattice, with index 1 and a matrix of determinant other than 1.
  std::optional<centring> centred;
};

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

std::string comparison_json(const solution_comparison& c);
std::string comparison_text(const solution_comparison& c);

}  // namespace lattice
