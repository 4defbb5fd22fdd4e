// quarvel-lattice --lines: the analysis of a cell, or a summary's comparison, with each cell
// weighed against an observed line list.
#pragma once

#include <ostream>

#include "lattice_options.hpp"

namespace quarvel::cli {

// Prints the result on `out` and any refusal on `err`; returns the exit status: 0, 1 for a list
// or cell the analysis refuses, 4 for a file that cannot be read.
int run_with_lines(const lattice_command& c, std::ostream& out, std::ostream& err);

}  // namespace quarvel::cli
