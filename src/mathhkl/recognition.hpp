// Naming a cell's crystal system: the starting cell, a summary cell and a search candidate.
#pragma once

#include <span>
#include <string_view>

#include "mathhkl/cell_state.hpp"
#include "mathhkl/crystal_systems.hpp"

namespace mathhkl {

struct tolerances {
  long double param;  // angstroms
  long double angle;  // degrees
};

// Sets state.system_code from state.cell; leaves it unchanged when the cell has right angles
// but no length pattern fits.
void recognise_cell_system(cell_state& state);

// For one summary line: may set state.system_code and may exchange b and c of `values`
// (a = c != b becomes tetragonal with the equal edges first).
void recognise_sum_system(std::span<real48, 6> values, cell_state& state);

struct candidate_system {
  std::string_view candidate_code;  // empty when nothing fits
  crystal_system system;            // triclinic when nothing fits
};

candidate_system classify_cell(const real48& a, const real48& b, const real48& c,
                               const real48& alpha, const real48& beta, const real48& gamma,
                               tolerances tol);

}  // namespace mathhkl
