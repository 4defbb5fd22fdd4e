// Times the observed lines against the lattice analysis, one line per case:
//   case lines-analysis median MILLISECONDS ms    30 lines, every entry of a cubic cell to index 4
//   case lines-summary100 median MILLISECONDS ms  30 lines, 100 solutions compared and weighed
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "pattern/diffraction.hpp"
#include "pattern/evidence.hpp"
#include "random_cells.hpp"

namespace {

using clock_type = std::chrono::steady_clock;

template <typename Work>
double median_ms(int runs, Work work) {
  std::vector<double> times;
  for (int k = 0; k < runs; ++k) {
    const auto start = clock_type::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(clock_type::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The first 30 lines of the cubic F cell, 0.01° off.
std::vector<pattern::observed_line> thirty_lines(const lattice::cell& c, lattice::centring f) {
  const auto lines = pattern::calculated_lines(c, f, 1.6);
  std::vector<pattern::observed_line> out;
  for (std::size_t i = 0; i < lines.size() && out.size() < 30; ++i)
    out.push_back({pattern::two_theta_of_q(lines[i].q, pattern::kDefaultWavelength) + 0.01,
                   std::nullopt, static_cast<int>(i + 1)});
  return out;
}

}  // namespace

int main() {
  const lattice::cell cubic{8.1, 8.1, 8.1, 90, 90, 90};
  const auto lines = thirty_lines(cubic, lattice::centring::F);
  lattice::analysis_options options;
  options.centring_type = lattice::centring::F;
  options.max_index = 4;
  std::size_t sink = 0;
  const double analysis = median_ms(21, [&] {
    const lattice::analysis a = lattice::analyse(cubic, options);
    sink += pattern::weigh_analysis(a, lines, {}).size();
  });
  std::printf("case lines-analysis median %.2f ms\n", analysis);

  quarvel::bench::random_cells source(20240612);
  std::vector<lattice::numbered_cell> cells;
  for (int k = 1; k <= 100; ++k) cells.push_back({k, source.next().cell, k});
  const double summary = median_ms(5, [&] {
    const lattice::solution_comparison c = lattice::compare_solutions(cells, {});
    sink += pattern::weigh_solutions(c, lines, {}).size();
  });
  std::printf("case lines-summary100 median %.2f ms\n", summary);
  if (sink == 0) std::abort();  // keeps the work observable
}
