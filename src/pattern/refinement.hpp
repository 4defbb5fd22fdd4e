// Least squares of a cell under its Bravais type's constraints against its indexed lines.
#pragma once

#include <array>
#include <optional>

#include "pattern/indexing.hpp"

namespace pattern {

struct refined_cell {
  lattice::cell cell;
  std::array<double, 6> esd{};     // 0 where the type fixes the parameter
  double zero_shift = 0;           // degrees 2θ; 2θ_obs = 2θ_true + zero_shift
  std::optional<double> zero_esd;  // when the zero shift was refined
  int lines_used = 0;
};

// Minimises Σ(2θ_obs − zero − 2θ_calc(hkl; cell))² over the free parameters of `t` (and the
// zero shift when asked) from `start`, which meets the constraints; the hkl are those of the
// lines that `indexed` matched. Levenberg–Marquardt from gemmi (levmar.hpp); the esds are the
// square roots of the diagonal of (JᵀJ)⁻¹ · S/(n − p), S the residual sum, n the lines used, p
// the parameters (Prince, Mathematical Techniques in Crystallography, §6.1). Nothing when
// fewer than p + 1 lines are indexed or the normal matrix is singular.
std::optional<refined_cell> refine_cell(const indexed_pattern& indexed, lattice::bravais_type t,
                                        const lattice::cell& start, const indexing_options& options,
                                        bool refine_zero);

}  // namespace pattern
