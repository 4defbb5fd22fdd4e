// The window's current starting cell, as the lattice panel follows it: the typed fields in
// keyboard mode, the selected Crysfire solution in Crysfire mode, else the last search's cell.
// Read and put through the form and its toolkit, as the form's own handlers do.
#pragma once

#include <optional>
#include <string>

#include "lattice/analysis.hpp"
#include "main/form.hpp"

namespace quarvel {

struct starting_cell {
  lattice::cell cell;
  std::string source;  // where it came from, for the panel's caption
};

// The cell the last search started from, to which its found-cell lines refer; a zero cell before
// any search.
lattice::cell searched_cell(const TForm1& form);

// Nothing while the fields do not hold six numbers, no solution is selected, or no search ran.
std::optional<starting_cell> current_starting_cell(const TForm1& form);

// The largest index the panel starts with: Max V/Vo when it is a whole number from 1 to 10.
int default_largest_index(const TForm1& form);

// Keyboard mode with the cell in the fields and its system chosen in the system list, through
// the form's handlers for those clicks. Returns the centring of the cell put: the entry's, or P
// for an hR entry's rhombohedral cell.
lattice::centring put_starting_cell(TForm1& form, const lattice::lattice_entry& entry);

}  // namespace quarvel
