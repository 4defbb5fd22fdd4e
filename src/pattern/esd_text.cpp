// The most decimals whose esd digits stay at most 19.
#include "pattern/esd_text.hpp"

#include <cmath>

#include "lattice/number_text.hpp"

namespace pattern {

std::string esd_text(double value, double esd, int plain_decimals) {
  if (!(esd > 0) || !std::isfinite(esd)) return lattice::fixed(value, plain_decimals);
  int decimals = 0;
  while (decimals < 10 && std::round(esd * std::pow(10.0, decimals + 1)) <= 19) ++decimals;
  const double digits = std::round(esd * std::pow(10.0, decimals));
  return lattice::fixed(value, decimals) + "(" + lattice::fixed(digits, 0) + ")";
}

}  // namespace pattern
