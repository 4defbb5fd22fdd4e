// The greedy reduction in three dimensions: the metric in long double, the rows in checked
// 64-bit integers.
#include "lattice/greedy_reduction.hpp"

#include <cmath>
#include <utility>

namespace lattice {

namespace {

// A basis from any setting a cell can be given in needs a few dozen rounds; the bound only
// stops a loop that rounding might keep going.
constexpr int kRounds = 200;
// Multiples are rounded to long long; beyond this the rounding itself would overflow.
constexpr long double kLargestMultiple = 0x1p62L;

class basis {
 public:
  explicit basis(const ldmat3& g) : g_(g) {}

  long double norm(int i) const { return g_[4 * i]; }
  long double dot(int i, int j) const { return g_[3 * i + j]; }
  const lmat3& rows() const { return rows_; }

  void swap(int i, int j) {
    for (int l = 0; l < 3; ++l) std::swap(rows_[3 * i + l], rows_[3 * j + l]);
    for (int l = 0; l < 3; ++l) std::swap(g_[3 * i + l], g_[3 * j + l]);
    for (int l = 0; l < 3; ++l) std::swap(g_[3 * l + i], g_[3 * l + j]);
  }

  // b_t ← b_t − k·b_s; false when a row entry would leave 64 bits.
  bool subtract(int t, int s, long long k) {
    for (int l = 0; l < 3; ++l) {
      long long step;
      if (__builtin_mul_overflow(k, rows_[3 * s + l], &step) ||
          __builtin_sub_overflow(rows_[3 * t + l], step, &rows_[3 * t + l]))
        return false;
    }
    const long double m = static_cast<long double>(k);
    const long double tt = g_[4 * t] - 2 * m * g_[3 * t + s] + m * m * g_[4 * s];
    for (int l = 0; l < 3; ++l)
      if (l != t) g_[3 * l + t] = g_[3 * t + l] = g_[3 * t + l] - m * g_[3 * s + l];
    g_[4 * t] = tt;
    return true;
  }

 private:
  ldmat3 g_;
  lmat3 rows_{1, 0, 0, 0, 1, 0, 0, 0, 1};
};

std::optional<long long> nearest(long double x) {
  if (!(std::fabs(x) < kLargestMultiple)) return std::nullopt;
  return std::llround(x);
}

void sort_by_length(basis& b) {
  if (b.norm(1) < b.norm(0)) b.swap(0, 1);
  if (b.norm(2) < b.norm(1)) b.swap(1, 2);
  if (b.norm(1) < b.norm(0)) b.swap(0, 1);
}

// Lagrange's reduction of the first two vectors: the longer less the nearest multiple of the
// shorter, until no multiple shortens it.
bool lagrange(basis& b) {
  for (int round = 0; round < kRounds; ++round) {
    if (b.norm(1) < b.norm(0)) b.swap(0, 1);
    if (!(b.norm(0) > 0)) return true;  // rounding ate the volume: left to the caller's checks
    const long double q = b.dot(0, 1) / b.norm(0);
    if (!(std::fabs(q) > 0.5L)) return true;
    const std::optional<long long> k = nearest(q);
    if (!k || !b.subtract(1, 0, *k)) return false;
  }
  return true;
}

// The lattice vector of the plane of the (Lagrange-reduced) first two that is closest to the
// third: a corner of the mesh around the third's projection, as the mesh's short diagonals
// split it into the plane lattice's Delaunay triangles.
std::optional<std::pair<long long, long long>> closest_in_plane(const basis& b) {
  const long double n0 = b.norm(0), n1 = b.norm(1), d01 = b.dot(0, 1);
  const long double d02 = b.dot(0, 2), d12 = b.dot(1, 2);
  const long double det = n0 * n1 - d01 * d01;
  if (!(det > 0)) return std::pair<long long, long long>{0, 0};  // left to the caller's checks
  const std::optional<long long> f0 = nearest(std::floor((d02 * n1 - d12 * d01) / det));
  const std::optional<long long> f1 = nearest(std::floor((d12 * n0 - d02 * d01) / det));
  if (!f0 || !f1) return std::nullopt;
  std::pair<long long, long long> best{0, 0};
  long double shortest = b.norm(2);
  for (long long k0 : {*f0, *f0 + 1})
    for (long long k1 : {*f1, *f1 + 1}) {
      const long double x = static_cast<long double>(k0), y = static_cast<long double>(k1);
      const long double length =
          b.norm(2) - 2 * x * d02 - 2 * y * d12 + x * x * n0 + 2 * x * y * d01 + y * y * n1;
      if (length < shortest) shortest = length, best = {k0, k1};
    }
  return best;
}

}  // namespace

std::optional<lmat3> greedy_reduced(ldmat3 g) {
  basis b(g);
  for (int round = 0; round < kRounds; ++round) {
    sort_by_length(b);
    if (!(b.norm(0) > 0)) break;
    if (!lagrange(b)) return std::nullopt;
    const std::optional<std::pair<long long, long long>> c = closest_in_plane(b);
    if (!c) return std::nullopt;
    if (c->first == 0 && c->second == 0) break;
    if (!b.subtract(2, 0, c->first) || !b.subtract(2, 1, c->second)) return std::nullopt;
    if (b.norm(2) >= b.norm(1)) break;
  }
  return b.rows();
}

}  // namespace lattice
