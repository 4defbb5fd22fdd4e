// The lines a cell predicts: every reflection its centring allows, equal Q merged into one line.
#pragma once

#include <cstddef>
#include <vector>

#include "lattice/matrix3.hpp"
#include "lattice/types.hpp"

namespace pattern {

// Two Q values within this relative distance are one line.
inline constexpr double kSameLine = 1e-6;
// A cell that predicts more reflections than this below the largest Q is refused.
inline constexpr std::size_t kMostReflections = 4'000'000;

struct calculated_line {
  double q = 0;          // 1/d², in Å⁻²
  lattice::ivec3 hkl{};  // one of the reflections of the line (the largest h, then k, then l)
};

// The reflection conditions of the centrings on the cell's own axes (International Tables
// Vol. A, Table 2.2.13.1): P none; A k+l, B h+l, C h+k, I h+k+l even; F h, k, l all even or all
// odd; R (obverse, hexagonal axes) -h+k+l = 3n.
bool centring_allows(lattice::centring c, const lattice::ivec3& hkl);

// Every line with 0 < Q ≤ q_max, sorted by Q; Q = hᵀ G* h with G* the reciprocal metric.
// Throws pattern_error when more than kMostReflections reflections lie below q_max.
std::vector<calculated_line> calculated_lines(const lattice::cell& c, lattice::centring centred,
                                              double q_max);

}  // namespace pattern
