// Sub-lattices of a given index, as Hermite normal forms, and their classes under a point group.
#pragma once

#include <vector>

#include "lattice/matrix3.hpp"

namespace lattice {

// Rows (a,0,0), (b,c,0), (d,e,f): a·c·f = index, 0 ≤ b < a, 0 ≤ d < a, 0 ≤ e < c. Every
// sub-lattice of that index has exactly one such basis (rows in the lattice's basis).
std::vector<imat3> sublattice_bases(int index);

// The normal form above of the lattice spanned by the rows of m (det m ≠ 0).
imat3 hermite_normal_form(imat3 m);

// One basis per class of sub-lattices that the rotations map onto each other (the inversion maps
// every sub-lattice onto itself): the least normal form of each class.
std::vector<imat3> sublattice_classes(int index, const std::vector<imat3>& rotations);

}  // namespace lattice
