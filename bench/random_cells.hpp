// Deterministic random cells for the lattice benchmarks: the same cells on every machine, each
// near one of the seven crystal systems with a centring it allows, so that every part of the
// analysis is timed.
#pragma once

#include <cstdint>
#include <string>

#include "lattice/analysis.hpp"

namespace quarvel::bench {

struct random_cell {
  lattice::centring centring_type = lattice::centring::P;
  lattice::cell cell;
};

class random_cells {
 public:
  explicit random_cells(std::uint64_t seed) : state_(seed) {}
  random_cell next();

 private:
  double uniform(double low, double high);  // in [low, high)
  std::uint64_t state_;
};

// "C a b c alpha beta gamma", as a --batch line.
std::string batch_line(const random_cell& c);

}  // namespace quarvel::bench
