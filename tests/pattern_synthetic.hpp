// Observed line lists made from a known cell without the code under test: reflections from
// gemmi (its reciprocal metric and the centring of a Hall symbol), noise, impurity lines.
#pragma once

#include <random>
#include <vector>

#include "lattice/matrix3.hpp"
#include "lattice/types.hpp"
#include "pattern/observed_lines.hpp"

namespace quarvel::testing {

struct synthetic_line {
  double q = 0;
  lattice::ivec3 hkl{};
};

// The distinct lines (Q within a relative 1e-6 merged) of the cell with this centring up to
// 2θ = max_two_theta at Cu Kα1; one hkl kept per line.
std::vector<synthetic_line> true_lines(const lattice::cell& c, lattice::centring centred,
                                       double max_two_theta);

double two_theta_of(double q);

// The first `count` lines that lie at least `resolution` degrees from both neighbours (closer
// pairs would show as one peak), each moved by 0.005–0.02° with a random sign.
std::vector<pattern::observed_line> noisy_lines(const std::vector<synthetic_line>& lines,
                                                std::size_t count, double resolution,
                                                std::mt19937& random);

// True when no line in `lines` lies within `gap` degrees of `two_theta`.
bool clear_of(const std::vector<synthetic_line>& lines, double two_theta, double gap);

// Adds a line and keeps the list sorted by 2θ.
void add_line(std::vector<pattern::observed_line>& lines, double two_theta);

}  // namespace quarvel::testing
