// The Compare solutions window's order by the summary's figures of merit.
#pragma once

#include <map>
#include <vector>

#include "lattice/solution_groups.hpp"
#include "mathhkl/sum_solutions.hpp"

namespace quarvel::gui {

using figures_of_merit = std::map<int, double>;  // by solution number; none for some

// The figures of merit of a summary's solutions, of those that have one.
figures_of_merit figures_of_merit_of(const mathhkl::sum_solutions& read);

// Groups by their best member's figure of merit, highest first, and the members of each group
// likewise; a solution without one comes last, and ties keep the symmetry order. The head stays
// the head: the members' relations are to it.
std::vector<lattice::solution_group> by_figure_of_merit(std::vector<lattice::solution_group> groups,
                                                        const figures_of_merit& merits);

}  // namespace quarvel::gui
