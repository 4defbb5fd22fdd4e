// What a found cell is in lattice terms: its Bravais type and obliquity, and whether it is the
// starting lattice in another setting, a centred cell of it, or a superlattice that only
// superstructure reflections would show. Read from the found-cell line as the list shows it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "lattice/analysis.hpp"

namespace quarvel {

// The numbers of a found-cell line, as printed.
struct found_line_fields {
  std::string code;  // "CUBI" ... "MONO"
  std::array<double, 6> cell{};
  double volume = 0;
  double ratio = 0;
  std::array<double, 9> matrix{};  // rows: the found cell's axes in the starting cell's
  int cross_reference = 0;         // 0: none
  int number = 0;                  // the running number; 0 on a line of a stopped search
};

// The initial-cell line: code, cell and volume; nothing for a line that is not one.
struct initial_line_fields {
  std::string code;
  std::array<double, 6> cell{};
  double volume = 0;
};
std::optional<initial_line_fields> read_initial_line(std::string_view line);

// Nothing for a line that is not a found cell ("No other cell", "Stopped by the user").
std::optional<found_line_fields> read_found_line(std::string_view line);

struct found_cell_lattice {
  // The starting lattice's type for a cell of it, else the found cell's lattice's own.
  lattice::bravais_type bravais = lattice::bravais_type::aP;
  double delta = 0;
  // Superlattice when the found cell's axes are whole multiples of the starting ones; sublattice
  // when they are fractions of them and its lattice holds the starting one; unrelated when
  // neither lattice holds the other.
  lattice::cell_relation relation;
  lattice::rational_matrix matrix;
  // The verdict with what it means for the reflections.
  std::string verdict() const;
};

// The line's matrix as exact fractions: its two decimals hold halves and thirds (0.33, 0.67).
// Throws lattice::lattice_error when they are not simple fractions.
lattice::rational_matrix found_cell_matrix(const found_line_fields& found);

// Throws lattice::lattice_error for a starting cell without volume or a singular matrix.
found_cell_lattice explain_found_cell(const found_line_fields& found, const lattice::cell& start,
                                      double delta_limit);

// One line for the window: type, delta, verdict and change of basis.
std::string explanation_text(const found_cell_lattice& e);

}  // namespace quarvel
