// Sub-lattices of a given index, as Hermite normal forms, and their classes under a point group.
#pragma once

#include <vector>

#include "lattice/matrix3.hpp"

namespace lattice {

// Rows (a,0,0), (b,c,0), (d,e,f): a·c·f = index, 0 ≤ b < a, 0 ≤ d < a, 0 ≤ e < c. Every
// sub-lattice of that index has exactly one such basis (rows in the lattice's basis), as in the
// enumeration of derivative structures by Hart & Forcade 2008, Phys. Rev. B 77, 224115,
// doi:10.1103/PhysRevB.77.224115. Their number is Σ_{d|n} d·σ(d) (OEIS A001001: 7, 13, 35, …
// for n = 2, 3, 4), which the tests check up to index 10.
std::vector<imat3> sublattice_bases(int index);

// The normal form above of the lattice spanned by the rows of m (det m ≠ 0).
imat3 hermite_normal_form(imat3 m);

// One basis per class of sub-lattices that the rotations map onto each other (the inversion maps
// every sub-lattice onto itself): the least normal form of each class.
std::vector<imat3> sublattice_classes(int index, const std::vector<imat3>& rotations);

}  // namespace lattice
