// What the analysis takes from gemmi, behind one translation unit: Debian's gemmi 0.5.7 defines
// GruberVector::selling() in its header without `inline`, so cellred.hpp may be included once.
#pragma once

#include <vector>

#include "lattice/matrix3.hpp"

namespace lattice::gemmi_bridge {

// Rows of the primitive basis of a centred cell, times 24 (gemmi's Op::DEN).
constexpr int kDenominator = 24;
imat3 centred_to_primitive_rows(char centring_letter);

// Niggli reduction of the metric g; returns the rows of the reduced basis in g's axes, times 24.
imat3 niggli_basis_rows(const dmat3& g, double epsilon);

struct two_fold {
  imat3 rotation;
  ivec3 direct_axis;
  ivec3 reciprocal_axis;
};
// The 81 two-fold rotations possible in a Buerger-reduced cell.
const std::vector<two_fold>& reduced_cell_two_folds();

}  // namespace lattice::gemmi_bridge
