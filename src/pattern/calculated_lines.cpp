// Reflections enumerated in a box that holds the sphere Q ≤ q_max, then sorted and merged.
#include "pattern/calculated_lines.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/cell_relation.hpp"
#include "lattice/metric.hpp"
#include "pattern/observed_lines.hpp"

namespace pattern {

namespace {

// Friedel pairs give the same Q: keep the reflection whose first nonzero index is positive.
bool first_half(const lattice::ivec3& h) {
  for (int x : h)
    if (x != 0) return x > 0;
  return false;
}

}  // namespace

// A reflection survives when every centring translation t gives a whole phase h·t: C keeps
// h + k even, I h + k + l even, R obverse −h + k + l a multiple of 3, and so on.
bool centring_allows(lattice::centring c, const lattice::ivec3& hkl) {
  for (const lattice::ivec3& t : lattice::centring_translations(c))
    if ((hkl[0] * t[0] + hkl[1] * t[1] + hkl[2] * t[2]) % 12 != 0) return false;
  return true;
}

std::vector<calculated_line> calculated_lines(const lattice::cell& c, lattice::centring centred,
                                              double q_max) {
  const lattice::dmat3 g = lattice::metric_of(c);
  const lattice::dmat3 g_inv = lattice::inverse(g);
  // |h_i| = |a_i · s| ≤ |a_i| |s|, so the box |h_i| ≤ √(G_ii q_max) holds the sphere.
  int limit[3];
  double box = 1;
  for (int i = 0; i < 3; ++i) {
    const double reach = std::floor(std::sqrt(g[4 * i] * q_max));
    box *= 2 * reach + 1;
    if (box > 64.0 * kMostReflections)
      throw pattern_error("the cell predicts too many lines below the largest observed 2theta");
    limit[i] = static_cast<int>(reach);
  }
  std::vector<calculated_line> all;
  for (int h = -limit[0]; h <= limit[0]; ++h)
    for (int k = -limit[1]; k <= limit[1]; ++k)
      for (int l = -limit[2]; l <= limit[2]; ++l) {
        const lattice::ivec3 hkl{h, k, l};
        if (!first_half(hkl) || !centring_allows(centred, hkl)) continue;
        const double q = lattice::reciprocal_length_sq(g_inv, hkl);
        if (q > q_max) continue;
        all.push_back({q, hkl});
        if (all.size() > kMostReflections)
          throw pattern_error("the cell predicts too many lines below the largest observed 2theta");
      }
  std::sort(all.begin(), all.end(), [](const calculated_line& x, const calculated_line& y) {
    return x.q < y.q || (x.q == y.q && x.hkl > y.hkl);
  });
  std::vector<calculated_line> lines;
  for (std::size_t i = 0; i < all.size();) {
    std::size_t j = i + 1;
    calculated_line best = all[i];
    while (j < all.size() && all[j].q <= all[i].q * (1 + kSameLine)) {
      if (all[j].hkl > best.hkl) best = all[j];
      ++j;
    }
    lines.push_back(best);
    i = j;
  }
  return lines;
}

}  // namespace pattern
