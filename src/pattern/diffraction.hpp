// Bragg's law in the forms the pattern code needs: Q = 1/d² = (2 sin θ / λ)².
#pragma once

#include <cmath>
#include <numbers>

namespace pattern {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;

inline double q_of_two_theta(double two_theta, double wavelength) {
  const double s = 2 * std::sin(two_theta * kRadiansPerDegree / 2) / wavelength;
  return s * s;
}

// NaN when the line lies beyond 2θ = 180° at this wavelength (Q > 4/λ²).
inline double two_theta_of_q(double q, double wavelength) {
  const double s = wavelength * std::sqrt(q) / 2;
  return s > 1 ? std::nan("") : 2 * std::asin(s) / kRadiansPerDegree;
}

}  // namespace pattern
