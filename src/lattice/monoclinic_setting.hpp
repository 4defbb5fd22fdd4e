// The standard monoclinic cell: unique axis b, β ≥ 90° and as near 90° as the lattice allows.
#pragma once

#include "lattice/conventional_setting.hpp"
#include "lattice/matrix3.hpp"

namespace lattice {

// `two_fold` is the group's two-fold, `ideal` the metric averaged over the group.
conventional_setting monoclinic_setting(const imat3& two_fold, const dmat3& ideal);

}  // namespace lattice
