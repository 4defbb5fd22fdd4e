// The metric tensor G (G_ij = a_i·a_j) of a cell, and back.
#pragma once

#include "lattice/checked_matrix.hpp"
#include "lattice/matrix3.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/types.hpp"

namespace lattice {

// The range of edges the analysis takes, in Å, for a given cell and for its reduced cell.
inline constexpr double kShortestEdge = 1e-3, kLongestEdge = 1e6;

inline constexpr const char* kNoVolume = "the cell has no volume: its angles do not close";

// Throws lattice_error for a cell with a length or angle that is not a positive finite number,
// an edge outside [kShortestEdge, kLongestEdge], an angle outside (0°, 180°), or angles that do
// not close within the precision of the numbers (no volume).
dmat3 metric_of(const cell& c);
cell cell_of(const dmat3& g);
double volume_of(const dmat3& g);
// The volume abc·√closure with the closure in long double: the determinant of a nearly flat
// cell's double metric keeps few of its digits (a 5 % error at V/abc = 1e-7).
double cell_volume(const cell& c);

// Metric of the basis whose rows are m (in the axes of g): M G Mᵀ.
dmat3 transformed(const dmat3& g, const dmat3& m);
dmat3 transformed(const dmat3& g, const imat3& m);

double length_sq(const dmat3& g, const ivec3& v);
// |h|² for a reciprocal-lattice vector h (coordinates on the reciprocal axes); g_inv = G⁻¹.
double reciprocal_length_sq(const dmat3& g_inv, const ivec3& h);
dmat3 inverse(const dmat3& g);

// The same metric in long double, for the cells whose reduction cancels most of a double's
// digits: nearly flat, or given far from reduced. The cell must pass metric_of's checks.
using ldmat3 = std::array<long double, 9>;
ldmat3 precise_metric_of(const cell& c);
// M G Mᵀ for integer rows m, which long double's 64-bit significand holds exactly.
ldmat3 transformed(const ldmat3& g, const lmat3& m);
dmat3 rounded(const ldmat3& g);

}  // namespace lattice
