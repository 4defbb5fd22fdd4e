// The window's current starting cell, as the lattice panel follows it: the typed fields in
// keyboard mode, the selected Crysfire solution in Crysfire mode, else the last search's cell.
#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>

#include "lattice/analysis.hpp"
#include "main/form.hpp"

namespace quarvel::gui {

struct starting_cell {
  lattice::cell cell;
  QString source;  // where it came from, for the panel's caption
};

std::optional<starting_cell> current_starting_cell(const QMainWindow& window, const TForm1& form);

// The largest index the panel starts with: Max V/Vo when it is a whole number from 1 to 10.
int default_largest_index(const QMainWindow& window);

// Keyboard mode with the cell in the fields and its system chosen in the system list. Returns
// the centring of the cell put: the entry's, or P for an hR entry's rhombohedral cell.
lattice::centring put_starting_cell(QMainWindow& window, const lattice::lattice_entry& entry);

}  // namespace quarvel::gui
