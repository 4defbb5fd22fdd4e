// Which Bravais lattice a group of lattice rotations is the holohedry of, and its conventional
// cell in the standard setting.
#pragma once

#include <optional>
#include <vector>

#include "lattice/conventional_setting.hpp"
#include "lattice/matrix3.hpp"

namespace lattice {

// Standard settings: monoclinic unique axis b with β ≥ 90° (C- or I-centred for mC, whichever
// brings β nearest 90°, as cctbx's best cell does), orthorhombic C-centred for oC with a ≤ b,
// otherwise a ≤ b ≤ c; tetragonal and hexagonal c along the main axis; hR on hexagonal axes,
// obverse; cubic along the four-folds. `ideal` is the metric averaged over the group, on which
// the choices are made. Nothing when the group is no lattice's full point group (4, 3, 6, 23, or
// a trigonal group of a hexagonal lattice).
std::optional<conventional_setting> conventional_setting_of(const std::vector<imat3>& rotations,
                                                            const dmat3& ideal);

}  // namespace lattice
