// The metric tensor G (G_ij = a_i·a_j) of a cell, and back.
#pragma once

#include "lattice/matrix3.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/types.hpp"

namespace lattice {

// Throws lattice_error for a cell with a length or angle that is not a positive finite number,
// an angle outside (0°, 180°), or angles that do not close (no volume).
dmat3 metric_of(const cell& c);
cell cell_of(const dmat3& g);
double volume_of(const dmat3& g);

// Metric of the basis whose rows are m (in the axes of g): M G Mᵀ.
dmat3 transformed(const dmat3& g, const dmat3& m);
dmat3 transformed(const dmat3& g, const imat3& m);

double length_sq(const dmat3& g, const ivec3& v);
// |h|² for a reciprocal-lattice vector h (coordinates on the reciprocal axes); g_inv = G⁻¹.
double reciprocal_length_sq(const dmat3& g_inv, const ivec3& h);
dmat3 inverse(const dmat3& g);

}  // namespace lattice
