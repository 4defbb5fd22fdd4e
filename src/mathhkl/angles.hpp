// The program's degree/radian factors and arc cosine. The factor 57.2957 is the program's own,
// not 180/pi: a right angle's cosine is -2.18e-6 and ArcCos(0) reads 89.999875 degrees.
#pragma once

#include <cmath>

namespace mathhkl {

inline constexpr long double kDegreesPerRadian = 57.2957L;
inline constexpr long double kRadiansPerDegree = 1.0L / 57.2957L;
// The start volume of a search uses this decimal literal for the same quotient.
inline constexpr long double kRadiansPerDegreeLiteral = 0.0174533167410469L;

// ArcCos as the two-argument arc tangent of (sqrt(1 - x*x), x): an angle in 0..pi.
inline long double arc_cos(long double x) {
  return std::atan2(std::sqrt(1.0L - x * x), x);
}

}  // namespace mathhkl
