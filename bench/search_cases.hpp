// The benchmark cells: a search's table and conditions, ready to run.
#pragma once

#include <vector>

#include "mathhkl/angles.hpp"
#include "mathhkl/geometry.hpp"
#include "search/search_engine.hpp"

namespace quarvel::bench {

struct search_case {
  std::vector<lattice_vector> table;
  matrix3 axes;
  search_conditions conditions;
};

inline search_case make_case(const mathhkl::cell_params& cell, int max_vector) {
  mathhkl::cell_state state;
  state.cell = cell;
  mathhkl::compute_cell_geometry(state);
  const real48 vo = mathhkl::cell_volume(cell[0], cell[1], cell[2], cell[3], cell[4], cell[5],
                                         mathhkl::kRadiansPerDegreeLiteral);
  return {build_vector_table(max_vector, state.axes_matrix),
          state.axes_matrix,
          {{0.005L, 0.3L}, 10, vo, false}};
}

inline const mathhkl::cell_params kCubic4{4, 4, 4, 90, 90, 90};
inline const mathhkl::cell_params kFaceCentred{2.8284L, 2.8284L, 2.8284L, 60, 60, 60};

}  // namespace quarvel::bench
