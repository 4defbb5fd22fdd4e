// quarvel-lattice for one cell (--cell) or a summary's comparison (--sum), each cell weighed
// against an observed line list when --lines names one.
#pragma once

#include <ostream>

#include "lattice_options.hpp"

namespace quarvel::cli {

// Prints the result on `out` and any refusal on `err`; returns the exit status: 0, 1 for a list,
// cell or summary the analysis refuses, 4 for a file that cannot be read.
int run_cell_or_sum(const lattice_command& c, std::ostream& out, std::ostream& err);

}  // namespace quarvel::cli
