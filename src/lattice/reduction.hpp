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

// The largest entry, in magnitude, that a change of basis to a reduced cell and its inverse may
// have. It takes settings with entries of tens and edges 10^5 apart, and keeps the products with
// the small integer settings of conventional cells and sub-lattices, and their determinants,
// within 64 bits.
inline constexpr long long kLargestChangeOfBasisEntry = 1000000;

// Niggli reduction (Křivý & Gruber 1976, Acta Cryst. A32, 297, doi:10.1107/S0567739476000636,
// with a relative epsilon as Grosse-Kunstleve, Sauter & Adams 2004, Acta Cryst. A60, 1,
// doi:10.1107/S010876730302186X, advise) of the lattice whose primitive basis has metric g. Throws
// lattice_error when the change of basis or its inverse has an entry beyond
// kLargestChangeOfBasisEntry.
reduced_basis niggli_reduce(const dmat3& g);

// The whole way from a user's cell: its centred lattice, reduced. Throws lattice_error for a
// cell metric_of refuses, for a change of basis as niggli_reduce does, and for a lattice with a
// vector shorter than kShortestEdge.
reduced_basis reduce_cell(const cell& c, centring centring_type);

}  // namespace lattice
