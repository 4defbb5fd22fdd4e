// Nearest calculated line by binary search in the calculated 2θ, which rise with Q.
#include "pattern/indexing.hpp"

#include <algorithm>
#include <cmath>

#include "pattern/diffraction.hpp"

namespace pattern {

indexed_pattern index_pattern(const std::vector<observed_line>& lines, const lattice::cell& c,
                              lattice::centring centred, const indexing_options& options) {
  indexed_pattern out;
  double highest = 0;
  for (const observed_line& line : lines) {
    out.observed_two_theta.push_back(line.two_theta - options.zero_shift);
    out.observed_q.push_back(q_of_two_theta(out.observed_two_theta.back(), options.wavelength));
    highest = std::max(highest, out.observed_two_theta.back());
  }
  const double reach = highest + options.tolerance;
  const double q_max = reach >= 180 ? 4 / (options.wavelength * options.wavelength)
                                    : q_of_two_theta(reach, options.wavelength);
  out.calculated = calculated_lines(c, centred, q_max);
  for (const calculated_line& line : out.calculated)
    out.calculated_two_theta.push_back(two_theta_of_q(line.q, options.wavelength));
  const std::vector<double>& calc = out.calculated_two_theta;
  for (double observed : out.observed_two_theta) {
    std::optional<std::size_t> best;
    const auto above = std::lower_bound(calc.begin(), calc.end(), observed);
    for (auto it : {above - (above != calc.begin() ? 1 : 0), above}) {
      if (it == calc.end()) continue;
      const std::size_t i = static_cast<std::size_t>(it - calc.begin());
      if (std::abs(calc[i] - observed) > options.tolerance) continue;
      if (!best || std::abs(calc[i] - observed) < std::abs(calc[*best] - observed)) best = i;
    }
    out.match.push_back(best);
  }
  return out;
}

std::vector<bool> lines_indexed_only_by(const indexed_pattern& a, const indexed_pattern& b) {
  std::vector<bool> only(a.match.size(), false);
  for (std::size_t i = 0; i < a.match.size(); ++i) only[i] = a.match[i] && !b.match[i];
  return only;
}

}  // namespace pattern
