// A Minkowski-reduced basis by the greedy algorithm, with integer multiples: the first stage of
// reducing a cell given in a far from reduced setting.
#pragma once

#include <optional>

#include "lattice/checked_matrix.hpp"
#include "lattice/metric.hpp"

namespace lattice {

// Rows: a Minkowski-reduced basis in the axes of the metric g (Nguyen & Stehlé 2009, ACM Trans.
// Algorithms 5, 46, doi:10.1145/1597036.1597050: Lagrange's reduction of the two shortest vectors,
// then the third less its closest vector in their plane, until it stays the longest). Each step
// takes a whole multiple, where the ±1 steps of the Niggli reduction would need as many steps as
// the multiple is large. Nothing when an entry would leave 64 bits.
std::optional<lmat3> greedy_reduced(ldmat3 g);

}  // namespace lattice
