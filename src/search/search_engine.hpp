// The multiple-cell search: the table of short lattice vectors and the test of every triple.
// It knows nothing of windows; it reaches its surroundings through a search_host.
#pragma once

#include <string_view>
#include <vector>

#include "mathhkl/matrix.hpp"
#include "mathhkl/real48.hpp"
#include "mathhkl/recognition.hpp"

namespace quarvel {

using mathhkl::matrix3;
using mathhkl::real48;

struct lattice_vector {
  int u, v, w;     // indices along the starting cell's a, b, c
  real48 length;   // angstroms
  real48 x, y, z;  // Cartesian components in the frame of the axes matrix
};

// u from n down to -n, then v, then w from n down to 0, one of each pair +-v, (0,0,0) left
// out: ((2n+1)^3 - 1)/2 vectors, none for n < 1.
std::vector<lattice_vector> build_vector_table(int max_vector, const matrix3& axes_matrix);

struct found_cell {
  std::string_view code;  // "CUBI" ... "MONO"
  mathhkl::crystal_system system;
  real48 a, b, c, alpha, beta, gamma;
  real48 volume;
  real48 ratio;    // V/Vo
  matrix3 matrix;  // rows: the new edges in terms of the starting a, b, c
};

class search_host {
 public:
  virtual ~search_host() = default;
  // A candidate that passed every test but the choice of target systems. True stops the search.
  virtual bool add_found(const found_cell& cell) = 0;
  // The steps of `count` pairs of vectors in a row, each before its third vector is tried: the
  // window may handle events, then the pair's `visits` of the third vector (N, skipped ones
  // included) are counted. The engine asks for a row of pairs that need no other work, since a
  // call per pair costs more than most pairs' tests. The host may end the row after a step in
  // which the wanted systems may have changed. Returns the steps taken, or -1 when a step
  // stopped the search (its visits are not counted).
  virtual long long pair_steps(long long count, long long visits) = 0;
  // Every few milliseconds of work while the partner lists are made. True stops the search.
  virtual bool preparation_step() = 0;
  // The systems that may be kept, read through this reference after pair_steps: nothing else
  // changes them.
  virtual const mathhkl::system_set& wanted_systems() = 0;
};

struct search_conditions {
  mathhkl::tolerances tol;
  real48 max_vol_ratio;
  real48 start_volume;
  bool start_is_hexagonal;  // an orthorhombic candidate is then never kept
};

// Tests every triple p < q < r of the table and hands the kept cells to the host in the order
// p, q, r. Triples that cannot be kept are rejected before any floating-point work, on
// conditions that are exact or conservative, so the result is that of trying every triple.
void run_triple_search(const std::vector<lattice_vector>& vectors, const matrix3& axes_matrix,
                       const search_conditions& conditions, search_host& host);

}  // namespace quarvel
