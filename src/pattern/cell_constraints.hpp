// The free parameters of a cell under its Bravais type's metric: cubic a; tetragonal, hexagonal
// and rhombohedral (hexagonal axes) a, c; orthorhombic a, b, c; monoclinic (b unique) a, b, c,
// β; triclinic all six.
#pragma once

#include <array>
#include <vector>

#include "lattice/types.hpp"

namespace pattern {

// For each of a, b, c, α, β, γ: the free parameter it equals, or -1 where the type fixes it.
std::array<int, 6> constraint_pattern(lattice::bravais_type t);

// The free parameters read from a cell that meets the constraints.
std::vector<double> free_parameters(lattice::bravais_type t, const lattice::cell& c);
// The cell of the free parameters; the fixed angles are taken from `fixed`.
lattice::cell constrained_cell(lattice::bravais_type t, const std::vector<double>& free,
                               const lattice::cell& fixed);

}  // namespace pattern
