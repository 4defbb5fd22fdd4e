// Metric subgroups that a larger δ would list: a subgroup is listed only when every two-fold of
// the lattice group it comes from lies within δ, so one whose own two-folds are well within the
// limit can still be missing.
#pragma once

#include <vector>

#include "lattice/analysis.hpp"

namespace lattice {

struct hidden_subgroup {
  lattice_entry entry;     // as the larger δ lists it; its delta is its own two-folds' obliquity
  double listed_from = 0;  // the smallest δ, in degrees, at which it is listed
};

// The metric subgroups (index 1) not in `a` but listed once δ reaches twice a.delta_limit (at most
// 45°), ordered by the δ from which they are listed, then as the analysis orders them.
std::vector<hidden_subgroup> hidden_subgroups(const analysis& a);

}  // namespace lattice
