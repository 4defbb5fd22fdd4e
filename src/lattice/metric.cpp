// Metric tensors: the one representation every step of the analysis shares.
#include "lattice/metric.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lattice {

namespace {

constexpr double kRadian = std::numbers::pi / 180;
constexpr double kLongestEdge = 1e6, kShortestEdge = 1e-3, kLargestEdgeRatio = 1e4;

bool positive_finite(double x) {
  return std::isfinite(x) && x > 0;
}

}  // namespace

dmat3 metric_of(const cell& c) {
  if (!positive_finite(c.a) || !positive_finite(c.b) || !positive_finite(c.c))
    throw lattice_error("cell edges must be positive numbers");
  // Beyond these the reduction's integer changes of basis and its rounding break down; no cell
  // of a crystal comes near them.
  double longest = std::max({c.a, c.b, c.c}), shortest_edge = std::min({c.a, c.b, c.c});
  if (longest > kLongestEdge || shortest_edge < kShortestEdge)
    throw lattice_error("cell edges must lie between 0.001 and 1000000 angstroms");
  if (longest > kLargestEdgeRatio * shortest_edge)
    throw lattice_error("the cell's edges differ by more than a factor of 10000");
  for (double angle : {c.alpha, c.beta, c.gamma})
    if (!positive_finite(angle) || angle >= 180)
      throw lattice_error("cell angles must lie between 0 and 180 degrees");
  double ca = std::cos(c.alpha * kRadian), cb = std::cos(c.beta * kRadian),
         cg = std::cos(c.gamma * kRadian);
  // The squared volume of the unit parallelepiped; not positive means the angles do not close.
  double closure = 1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg;
  if (!(closure > 1e-9)) throw lattice_error("the cell has no volume: its angles do not close");
  dmat3 g{c.a * c.a,      c.a * c.b * cg, c.a * c.c * cb, c.a * c.b * cg, c.b * c.b,
          c.b * c.c * ca, c.a * c.c * cb, c.b * c.c * ca, c.c * c.c};
  return g;
}

cell cell_of(const dmat3& g) {
  double a = std::sqrt(g[0]), b = std::sqrt(g[4]), c = std::sqrt(g[8]);
  auto angle = [](double cosine) { return std::acos(std::clamp(cosine, -1.0, 1.0)) / kRadian; };
  return {a, b, c, angle(g[5] / (b * c)), angle(g[2] / (a * c)), angle(g[1] / (a * b))};
}

double volume_of(const dmat3& g) {
  return std::sqrt(std::max(0.0, determinant(g)));
}

dmat3 transformed(const dmat3& g, const dmat3& m) {
  return multiply(multiply(m, g), transpose(m));
}

dmat3 transformed(const dmat3& g, const imat3& m) {
  return transformed(g, to_real(m));
}

double length_sq(const dmat3& g, const ivec3& v) {
  dvec3 x = to_real(v);
  return dot(x, lattice::apply(g, x));
}

double reciprocal_length_sq(const dmat3& g_inv, const ivec3& h) {
  return length_sq(g_inv, h);
}

dmat3 inverse(const dmat3& g) {
  dmat3 r = adjugate(g);
  double det = determinant(g);
  for (double& x : r) x /= det;
  return r;
}

}  // namespace lattice
