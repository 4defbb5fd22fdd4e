// Metric tensors: the one representation every step of the analysis shares.
#include "lattice/metric.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lattice {

namespace {

constexpr double kRadian = std::numbers::pi / 180;
constexpr long double kRadianLong = std::numbers::pi_v<long double> / 180;
// The closure 1 − cos²α − cos²β − cos²γ + 2 cosα cosβ cosγ is (V/abc)². In double it is good to
// about 1e-15, so above kSureClosure a cell surely has a volume. Below, it is computed again,
// exactly enough: the reduction of such a cell works in a long double metric, whose closure is
// good to a few 1e-19, and below kClosureFloor (V/abc below 3e-9) the volume is lost in that
// rounding, as if the angles did not close.
constexpr double kSureClosure = 1e-12;
constexpr long double kClosureFloor = 1e-17L;

bool positive_finite(double x) {
  return std::isfinite(x) && x > 0;
}

std::array<long double, 3> precise_cosines(const cell& c) {
  return {std::cos(c.alpha * kRadianLong), std::cos(c.beta * kRadianLong),
          std::cos(c.gamma * kRadianLong)};
}

// sin(x°) for x in (−90°, 270°), the argument taken from 180° exactly first, so that sines near
// 180° keep their digits.
long double sin_degrees(long double x) {
  return std::sin((x > 90 ? 180 - x : x) * kRadianLong);
}

// The closure as 4 sin σ sin(σ−α) sin(σ−β) sin(σ−γ), σ = (α+β+γ)/2: each factor is good to its
// last digits however small it is, where 1 − cos²α − … cancels to nothing in a flat cell.
long double precise_closure(const cell& c) {
  const long double a = c.alpha, b = c.beta, g = c.gamma;
  return 4 * sin_degrees((a + b + g) / 2) * sin_degrees((b + g - a) / 2) *
         sin_degrees((a + g - b) / 2) * sin_degrees((a + b - g) / 2);
}

}  // namespace

dmat3 metric_of(const cell& c) {
  if (!positive_finite(c.a) || !positive_finite(c.b) || !positive_finite(c.c))
    throw lattice_error("cell edges must be positive numbers");
  // Beyond these no cell of a crystal goes, and squared edges stay far inside double's range.
  double longest = std::max({c.a, c.b, c.c}), shortest_edge = std::min({c.a, c.b, c.c});
  if (longest > kLongestEdge || shortest_edge < kShortestEdge)
    throw lattice_error("cell edges must lie between 0.001 and 1000000 angstroms");
  for (double angle : {c.alpha, c.beta, c.gamma})
    if (!positive_finite(angle) || angle >= 180)
      throw lattice_error("cell angles must lie between 0 and 180 degrees");
  double ca = std::cos(c.alpha * kRadian), cb = std::cos(c.beta * kRadian),
         cg = std::cos(c.gamma * kRadian);
  double closure = 1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg;
  if (!(closure > kSureClosure) && !(precise_closure(c) > kClosureFloor))
    throw lattice_error(kNoVolume);
  dmat3 g{c.a * c.a,      c.a * c.b * cg, c.a * c.c * cb, c.a * c.b * cg, c.b * c.b,
          c.b * c.c * ca, c.a * c.c * cb, c.b * c.c * ca, c.c * c.c};
  return g;
}

ldmat3 precise_metric_of(const cell& c) {
  const long double a = c.a, b = c.b, cc = c.c;
  const auto [ca, cb, cg] = precise_cosines(c);
  return {a * a,       a * b * cg,  a * cc * cb, a * b * cg, b * b,
          b * cc * ca, a * cc * cb, b * cc * ca, cc * cc};
}

ldmat3 transformed(const ldmat3& g, const lmat3& m) {
  ldmat3 x{};
  for (int i = 0; i < 9; ++i) x[i] = static_cast<long double>(m[i]);
  return multiply(multiply(x, g), transpose(x));
}

dmat3 rounded(const ldmat3& g) {
  dmat3 r{};
  for (int i = 0; i < 9; ++i) r[i] = static_cast<double>(g[i]);
  return r;
}

cell cell_of(const dmat3& g) {
  double a = std::sqrt(g[0]), b = std::sqrt(g[4]), c = std::sqrt(g[8]);
  auto angle = [](double cosine) { return std::acos(std::clamp(cosine, -1.0, 1.0)) / kRadian; };
  return {a, b, c, angle(g[5] / (b * c)), angle(g[2] / (a * c)), angle(g[1] / (a * b))};
}

double volume_of(const dmat3& g) {
  return std::sqrt(std::max(0.0, determinant(g)));
}

double cell_volume(const cell& c) {
  const long double closure = precise_closure(c);
  return static_cast<double>(static_cast<long double>(c.a) * c.b * c.c *
                             std::sqrt(std::max(closure, 0.0L)));
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
