// From a cell in any setting to the Niggli-reduced basis of its lattice.
#pragma once

#include "lattice/matrix3.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/types.hpp"

namespace lattice {

// Rows: the primitive basis of the centred lattice, in the centred cell's axes.
rational_matrix primitive_basis(centring c);

struct reduced_basis {
  dmat3 metric;           // of the reduced cell
  rational_matrix basis;  // rows: the reduced axes in the axes that were reduced
};

// Niggli reduction (Křivý & Gruber 1976, with a relative epsilon as Grosse-Kunstleve et al.
// 2004 advise) of the lattice whose primitive basis has metric g.
reduced_basis niggli_reduce(const dmat3& g);

// The whole way from a user's cell: its centred lattice, reduced.
reduced_basis reduce_cell(const cell& c, centring centring_type);

}  // namespace lattice
