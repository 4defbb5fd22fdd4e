// Le Page's two-fold axes of a reduced lattice, their obliquity δ, and the lattice's rotation
// group within an obliquity limit.
#pragma once

#include <vector>

#include "lattice/matrix3.hpp"

namespace lattice {

// δ in degrees: the angle between the direct-lattice row u and the normal of the reciprocal-lattice
// plane h (Le Page 1982, J. Appl. Cryst. 15, 255, doi:10.1107/S0021889882011959): cos δ = |u·h| /
// (|u| |h*|).
double obliquity(const dmat3& g, const dmat3& g_inv, const ivec3& u, const ivec3& h);

// δ of a two-fold rotation, from its own direct and reciprocal axes.
double two_fold_obliquity(const dmat3& g, const dmat3& g_inv, const imat3& r);

// The largest δ of the two-folds among `rotations`; 0 when there is none.
double largest_obliquity(const dmat3& g, const dmat3& g_inv, const std::vector<imat3>& rotations);

// The rotation group of the lattice with metric g (a Buerger- or Niggli-reduced basis) within δ
// ≤ max_delta: the 81 two-folds possible in a reduced cell (Le Page; table of gemmi, derived by
// cctbx), tried from the smallest δ up; a two-fold is skipped when the group it generates would
// hold a two-fold beyond the limit, and the search stops at the first that makes the group
// non-crystallographic.
std::vector<imat3> lattice_rotation_group(const dmat3& g, double max_delta);

}  // namespace lattice
