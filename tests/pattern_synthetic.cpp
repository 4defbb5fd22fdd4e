// gemmi's 1/d² and systematic absences, so the generator shares no line with the library.
#include "pattern_synthetic.hpp"

#include <algorithm>
#include <cmath>
#include <gemmi/symmetry.hpp>
#include <gemmi/unitcell.hpp>

namespace quarvel::testing {

namespace {

constexpr double kWavelength = pattern::kDefaultWavelength;

const char* hall_of(lattice::centring c) {
  static const char* const kHall[] = {"P 1", "A 1", "B 1", "C 1", "I 1", "F 1", "R 1"};
  return kHall[static_cast<int>(c)];
}

}  // namespace

double two_theta_of(double q) {
  return 2 * std::asin(kWavelength * std::sqrt(q) / 2) * 180 / M_PI;
}

std::vector<synthetic_line> true_lines(const lattice::cell& c, lattice::centring centred,
                                       double max_two_theta) {
  const gemmi::UnitCell cell(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
  const gemmi::GroupOps ops = gemmi::symops_from_hall(hall_of(centred));
  const double s = 2 * std::sin(max_two_theta * M_PI / 360) / kWavelength;
  std::vector<synthetic_line> all;
  const int reach = static_cast<int>(s * std::max({c.a, c.b, c.c}) * 2) + 1;
  for (int h = -reach; h <= reach; ++h)
    for (int k = -reach; k <= reach; ++k)
      for (int l = -reach; l <= reach; ++l) {
        if (h == 0 && k == 0 && l == 0) continue;
        if (ops.is_systematically_absent({h, k, l})) continue;
        const double q = cell.calculate_1_d2({h, k, l});
        if (q <= s * s) all.push_back({q, {h, k, l}});
      }
  std::sort(all.begin(), all.end(), [](auto& x, auto& y) { return x.q < y.q; });
  std::vector<synthetic_line> lines;
  for (const synthetic_line& line : all)
    if (lines.empty() || line.q > lines.back().q * (1 + 1e-6)) lines.push_back(line);
  return lines;
}

std::vector<pattern::observed_line> noisy_lines(const std::vector<synthetic_line>& lines,
                                                std::size_t count, double resolution,
                                                std::mt19937& random) {
  std::uniform_real_distribution<double> size(0.005, 0.02);
  std::bernoulli_distribution sign(0.5);
  std::vector<pattern::observed_line> out;
  for (std::size_t i = 0; i < lines.size() && out.size() < count; ++i) {
    const double t = two_theta_of(lines[i].q);
    const bool apart = (i == 0 || t - two_theta_of(lines[i - 1].q) >= resolution) &&
                       (i + 1 == lines.size() || two_theta_of(lines[i + 1].q) - t >= resolution);
    if (!apart) continue;
    const double noise = size(random) * (sign(random) ? 1 : -1);
    out.push_back({t + noise, std::nullopt, static_cast<int>(out.size() + 1)});
  }
  return out;
}

bool clear_of(const std::vector<synthetic_line>& lines, double two_theta, double gap) {
  return std::none_of(lines.begin(), lines.end(), [&](const synthetic_line& line) {
    return std::abs(two_theta_of(line.q) - two_theta) < gap;
  });
}

void add_line(std::vector<pattern::observed_line>& lines, double two_theta) {
  lines.push_back({two_theta, std::nullopt, static_cast<int>(lines.size() + 1)});
  std::sort(lines.begin(), lines.end(), [](auto& x, auto& y) { return x.two_theta < y.two_theta; });
}

}  // namespace quarvel::testing
