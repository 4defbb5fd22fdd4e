// One listed lattice: a metric subgroup carried back to the user's cell.
#pragma once

#include "lattice/analysis.hpp"
#include "lattice/metric_subgroups.hpp"
#include "lattice/reduction.hpp"

namespace lattice {

// `lattice` is the reduced basis of the lattice the subgroup belongs to, its rows in the input
// axes; `in_parent` the same rows in the input lattice's reduced basis (the identity for the
// input lattice itself); `index` that lattice's index in the input lattice.
lattice_entry entry_of(const metric_subgroup& s, const reduced_basis& lattice,
                       const imat3& in_parent, int index);

}  // namespace lattice
