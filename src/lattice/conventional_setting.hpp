// A Bravais lattice's conventional cell, as axes in the reduced basis.
#pragma once

#include "lattice/matrix3.hpp"
#include "lattice/types.hpp"

namespace lattice {

struct conventional_setting {
  bravais_type type;
  imat3 basis;  // rows: the conventional axes in the reduced basis; determinant > 0
};

}  // namespace lattice
