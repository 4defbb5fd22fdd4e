// The state every module shares: the starting cell, its system code and the tolerances.
#pragma once

#include <array>
#include <string>

#include "mathhkl/matrix.hpp"
#include "mathhkl/real48.hpp"

namespace mathhkl {

// a, b, c in angstroms and alpha, beta, gamma in degrees, in this order.
using cell_params = std::array<real48, 6>;

struct cell_state {
  cell_params cell{};
  std::string system_code;  // "CUBI" ... "TRIC", empty until recognised or chosen
  matrix3 axes_matrix{};    // the direct axes as columns, Cartesian, in angstroms
  real48 tol_param;         // length tolerance, angstroms
  real48 tol_angle;         // angle tolerance, degrees
  real48 sum_tol_param;     // tolerances applied to the lines of a Crysfire summary
  real48 sum_tol_angle;
  std::string sum_file_name;
  std::string sum_dir;  // folder of "dummy.tmp" and "sumfil.tmp"; empty means the current folder
  int sum_line_count = 0;
};

}  // namespace mathhkl
