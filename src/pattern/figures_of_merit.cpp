// The two figures read off the indexed lines, each exactly as its paper defines it.
#include "pattern/figures_of_merit.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pattern {

namespace {

// N / (mean error · count), 0 without an indexed line, infinite for a zero denominator.
double figure(double numerator, double error_sum, int indexed, int count) {
  if (indexed == 0) return 0;
  const double denominator = error_sum / indexed * count;
  return denominator > 0 ? numerator / denominator : std::numeric_limits<double>::infinity();
}

}  // namespace

figures_of_merit figures_of(const indexed_pattern& p) {
  figures_of_merit out;
  const int count = static_cast<int>(p.match.size());
  if (count == 0) return out;
  out.m_n = std::min(kLinesOfM, count);
  const std::size_t last_m = static_cast<std::size_t>(out.m_n - 1);
  double q_error = 0;
  int indexed = 0;
  for (std::size_t i = 0; i <= last_m; ++i) {
    if (!p.match[i]) continue;
    q_error += std::abs(p.observed_q[i] - p.calculated[*p.match[i]].q);
    ++indexed;
  }
  const double q_n = p.observed_q[last_m];
  for (const calculated_line& line : p.calculated)
    if (line.q <= q_n) ++out.calculated_count;
  out.mean_q_error = indexed ? q_error / indexed : 0;
  out.m = figure(q_n, 2 * q_error, indexed, out.calculated_count);

  out.f_n = std::min(kLinesOfF, count);
  const std::size_t last_f = static_cast<std::size_t>(out.f_n - 1);
  double delta = 0;
  indexed = 0;
  for (std::size_t i = 0; i <= last_f; ++i) {
    if (!p.match[i]) continue;
    delta += std::abs(p.observed_two_theta[i] - p.calculated_two_theta[*p.match[i]]);
    ++indexed;
  }
  for (double two_theta : p.calculated_two_theta)
    if (two_theta <= p.observed_two_theta[last_f]) ++out.possible;
  out.mean_delta_two_theta = indexed ? delta / indexed : 0;
  out.f = figure(out.f_n, delta, indexed, out.possible);

  for (int i = 0; i < count; ++i) {
    if (p.match[static_cast<std::size_t>(i)]) continue;
    ++out.unindexed;
    if (i < out.m_n) ++out.unindexed_first_n;
  }
  return out;
}

}  // namespace pattern
