// Each observed line indexed by the calculated line nearest to it in 2θ, within a tolerance.
#pragma once

#include <optional>
#include <vector>

#include "pattern/calculated_lines.hpp"
#include "pattern/observed_lines.hpp"

namespace pattern {

inline constexpr double kDefaultTolerance = 0.03;  // degrees 2θ

struct indexing_options {
  double wavelength = kDefaultWavelength;
  double tolerance = kDefaultTolerance;
  // 2θ_obs = 2θ_true + zero_shift: the observed lines are corrected by it before indexing.
  double zero_shift = 0;
};

struct indexed_pattern {
  // Every calculated line up to the largest observed 2θ plus the tolerance, sorted.
  std::vector<calculated_line> calculated;
  std::vector<double> calculated_two_theta;
  // Per observed line (in the list's order): the calculated line that indexes it, if any.
  std::vector<std::optional<std::size_t>> match;
  std::vector<double> observed_two_theta;  // corrected by the zero shift
  std::vector<double> observed_q;          // of the corrected 2θ
};

// `lines` sorted by 2θ, as read_observed_lines gives them.
indexed_pattern index_pattern(const std::vector<observed_line>& lines, const lattice::cell& c,
                              lattice::centring centred, const indexing_options& options);

// Which observed lines `a` indexes and `b` does not: the superstructure lines of a superlattice
// cell `a` against its lattice's cell `b`, both indexed from the same list.
std::vector<bool> lines_indexed_only_by(const indexed_pattern& a, const indexed_pattern& b);

}  // namespace pattern
