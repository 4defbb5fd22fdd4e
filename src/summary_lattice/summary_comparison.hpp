// The solutions of a Crysfire summary compared and grouped by lattice: for quarvel-lattice --sum
// and the Compare solutions window alike, so that neither front end reaches into the other.
#pragma once

#include <stdexcept>
#include <string>

#include "lattice/solution_groups.hpp"
#include "mathhkl/sum_solutions.hpp"

namespace quarvel {

// The summary's solutions, numbered as its list numbers them; lines that look like solutions
// but cannot be read are unusable with their line number. Throws platform::error
// when the file cannot be read.
lattice::solution_comparison compare_summary(const std::string& path,
                                             const lattice::comparison_options& options);
// The same of a summary already read.
lattice::solution_comparison compare_summary(const mathhkl::sum_solutions& read,
                                             const lattice::comparison_options& options);

// A solution's cell as read, at the summary's full precision.
lattice::cell solution_cell(const mathhkl::sum_solution& s);

// A summary that yields no solution (empty, or no summary at all) is almost always the wrong
// file, so the command line refuses it rather than print an empty table.
struct no_solutions_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// compare_summary, throwing no_solutions_error ("no solutions read from FILE") when the file
// holds no usable solution.
lattice::solution_comparison compare_usable_summary(const std::string& path,
                                                    const lattice::comparison_options& options);

}  // namespace quarvel
