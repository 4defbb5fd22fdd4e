// What the analysis takes from gemmi, behind one translation unit: Debian's gemmi 0.5.7 defines
// GruberVector::selling() in its header without `inline`, so cellred.hpp may be included once.
#pragma once

#include <array>
#include <vector>

#include "lattice/matrix3.hpp"

namespace lattice::gemmi_bridge {

// Rows of the primitive basis of a centred cell, times 24 (gemmi's Op::DEN).
constexpr int kDenominator = 24;
imat3 centred_to_primitive_rows(char centring_letter);

// The Gruber vector (A, B, C, ξ, η, ζ) = (a·a, b·b, c·c, 2b·c, 2a·c, 2a·b) of a metric.
using g6 = std::array<double, 6>;
g6 g6_of(const dmat3& g);

// At most `steps` (1 to kNiggliSteps) steps of gemmi's Niggli reduction (Křivý & Gruber 1976)
// from `start`. gemmi adds basis columns one to another in int, at most tripling the largest
// entry a step: 24·3^16 stays below 2^31, so the steps are taken in runs this short and the
// caller composes them. The Gruber vector is handed on unrounded, so that runs continue exactly
// as one long run.
constexpr int kNiggliSteps = 16;
struct niggli_run {
  imat3 rows;  // the basis after the run in the basis before it, rows times 24
  g6 reached;
  bool reduced = false;  // the run ended on a Niggli cell
};
niggli_run niggli_steps(const g6& start, double epsilon, int steps);

struct two_fold {
  imat3 rotation;
  ivec3 direct_axis;
  ivec3 reciprocal_axis;
};
// The 81 two-fold rotations possible in a Buerger-reduced cell.
const std::vector<two_fold>& reduced_cell_two_folds();

}  // namespace lattice::gemmi_bridge
