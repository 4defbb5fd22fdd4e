// Cell volume and the Cartesian axes of the starting cell.
#pragma once

#include "mathhkl/angles.hpp"
#include "mathhkl/cell_state.hpp"

namespace mathhkl {

// D = ((1 - ca*ca) - cb*cb) - cg*cg + ((ca*2)*cb)*cg, evaluated in extended precision: positive
// for every cell that closes.
long double cosine_closure(long double ca, long double cb, long double cg);

// V = sqrt(D) * ((a*b)*c) with D = ((1 - ca*ca) - cb*cb) - cg*cg + ((ca*2)*cb)*cg; each cosine
// stored. D < 0 is the run-time's "Invalid floating point operation".
real48 cell_volume(const real48& a, const real48& b, const real48& c, const real48& alpha,
                   const real48& beta, const real48& gamma,
                   long double radians_per_degree = kRadiansPerDegree);

// Writes state.axes_matrix: the axes a, b, c as columns in a frame with z along c and y in the
// b-c plane. A cell whose angles do not close (D <= 0) or with a zero sine is refused.
void compute_cell_geometry(cell_state& state);

}  // namespace mathhkl
