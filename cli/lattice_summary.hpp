// quarvel-lattice --sum: the solutions of a Crysfire summary compared and grouped.
#pragma once

#include <string>

#include "lattice/solution_groups.hpp"

namespace quarvel::cli {

// The summary's solutions, numbered as its list numbers them; lines that look like solutions
// but cannot be read are unusable with their line number. Throws platform::error
// when the file cannot be read.
lattice::solution_comparison compare_summary(const std::string& path,
                                             const lattice::comparison_options& options);

}  // namespace quarvel::cli
