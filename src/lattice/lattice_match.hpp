// Whether two lattices, given by reduced metrics, are the same within tolerances, and how the
// basis of one is made of the other's vectors.
#pragma once

#include <optional>

#include "lattice/matrix3.hpp"

namespace lattice {

struct match_tolerance {
  double relative_length = 0.01;  // |l - l'| / l' for each edge
  double angle = 3;               // degrees, for each inter-axial angle
};

// An integral M with det +1 whose rows, in the axes of the lattice with metric g_from, span a
// basis whose edges and angles equal those of the basis with metric g_to within the tolerance;
// nothing when there is none. Both bases must be reduced (short, nearly orthogonal), so that
// the rows of M are small: their entries are searched from -2 to 2, which also covers two
// reduced cells on either side of a Niggli boundary.
std::optional<imat3> match_metric(const dmat3& g_from, const dmat3& g_to,
                                  const match_tolerance& tolerance);

}  // namespace lattice
