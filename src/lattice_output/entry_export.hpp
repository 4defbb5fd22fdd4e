// The analysis's entries as a table for spreadsheets and one entry's cell as a minimal CIF.
#pragma once

#include <string>
#include <vector>

#include "lattice/analysis.hpp"

namespace lattice {

// The columns shown for each entry, as text: index, Bravais type, system, delta, cell, ideal
// cell, deviations, V/Vo, change of basis, verdict.
std::vector<std::string> entry_column_names();
std::vector<std::string> entry_columns(const lattice_entry& e);

// RFC 4180 CSV: the header and one row per entry, lines ended by CR LF.
std::string entries_csv(const std::vector<lattice_entry>& entries);
// Tab-separated, for the clipboard: the same columns with one value each (the cell's and the
// ideal cell's six parameters and the two deviations in columns of their own, so that a
// spreadsheet paste lines up), a header, then one line per entry.
std::string entries_tsv(const std::vector<const lattice_entry*>& entries);

// A CIF 1.1 block: the symmetry-constrained (ideal) cell in the _cell_* items, the crystal
// system, Bravais type and centring, and the change of basis from the input cell as
// _space_group_transform_Pp_abc; in comments the same change of basis with the verdict, the cell
// carried from the input cell with its deviations, and the input cell.
std::string entry_cif(const lattice_entry& e, const cell& input);

}  // namespace lattice
