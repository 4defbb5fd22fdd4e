// Missing figures of merit sort below every real one, so that the order stays total.
#include "lattice_gui/solution_order.hpp"

#include <algorithm>
#include <limits>

namespace quarvel::gui {

namespace {

double merit_of(const figures_of_merit& merits, int number) {
  const auto it = merits.find(number);
  return it == merits.end() ? -std::numeric_limits<double>::infinity() : it->second;
}

}  // namespace

figures_of_merit figures_of_merit_of(const mathhkl::sum_solutions& read) {
  figures_of_merit out;
  for (const mathhkl::sum_solution& s : read.solutions)
    if (s.figure_of_merit) out[s.number] = *s.figure_of_merit;
  return out;
}

std::vector<lattice::solution_group> by_figure_of_merit(std::vector<lattice::solution_group> groups,
                                                        const figures_of_merit& merits) {
  auto best = [&](const lattice::solution_group& g) {
    double m = merit_of(merits, g.head);
    for (const lattice::group_member& member : g.members)
      m = std::max(m, merit_of(merits, member.number));
    return m;
  };
  for (lattice::solution_group& g : groups)
    std::stable_sort(g.members.begin(), g.members.end(),
                     [&](const lattice::group_member& x, const lattice::group_member& y) {
                       return merit_of(merits, x.number) > merit_of(merits, y.number);
                     });
  std::stable_sort(groups.begin(), groups.end(),
                   [&](const lattice::solution_group& x, const lattice::solution_group& y) {
                     return best(x) > best(y);
                   });
  return groups;
}

}  // namespace quarvel::gui
