// The Compare solutions window's order by the summary's figures of merit.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "lattice/solution_groups.hpp"

namespace quarvel::gui {

using figures_of_merit = std::map<int, double>;  // by solution number; none for some

// The summary's figures of merit; empty when the file cannot be read.
figures_of_merit read_figures_of_merit(const std::string& path);

// Groups by their best member's figure of merit, highest first, and the members of each group
// likewise; a solution without one comes last, and ties keep the symmetry order. The head stays
// the head: the members' relations are to it.
std::vector<lattice::solution_group> by_figure_of_merit(std::vector<lattice::solution_group> groups,
                                                        const figures_of_merit& merits);

}  // namespace quarvel::gui
