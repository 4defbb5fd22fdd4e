// Timings behind the window's promises: the analysis of one cell with derivative lattices up to
// index 10, and the comparison of a 100-solution summary.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "lattice/metric.hpp"
#include "lattice/solution_groups.hpp"

namespace {

// Twenty lattices, each given five times: as drawn, in another setting, doubled, tripled along
// an axis and slightly off; so that most pairs take the volume test and many the metric test.
std::vector<lattice::numbered_cell> hundred_solutions() {
  std::mt19937 random(12);
  std::uniform_real_distribution<double> edge(4, 12), angle(88, 112);
  std::vector<lattice::numbered_cell> cells;
  const lattice::imat3 settings[] = {{1, 0, 0, 0, 1, 0, 0, 0, 1},
                                     {1, 0, 1, 0, 1, 0, 0, 0, 1},
                                     {2, 0, 0, 0, 1, 0, 0, 0, 1},
                                     {1, 0, 0, 0, 3, 0, 0, 0, 1},
                                     {1, 0, 0, 0, 1, 0, 0, 0, 1}};
  for (int l = 0; l < 20; ++l) {
    const lattice::cell base{edge(random),  edge(random),  edge(random),
                             angle(random), angle(random), angle(random)};
    for (int s = 0; s < 5; ++s) {
      lattice::cell c =
          lattice::cell_of(lattice::transformed(lattice::metric_of(base), settings[s]));
      if (s == 4) c.a *= 1.002;
      cells.push_back({static_cast<int>(cells.size()) + 1, c});
    }
  }
  return cells;
}

void compare_hundred(benchmark::State& state) {
  const std::vector<lattice::numbered_cell> cells = hundred_solutions();
  size_t groups = 0;
  for (auto _ : state) {
    groups = lattice::compare_solutions(cells, {}).groups.size();
    benchmark::DoNotOptimize(groups);
  }
  state.counters["groups"] = static_cast<double>(groups);
}
BENCHMARK(compare_hundred)->Unit(benchmark::kMillisecond);

void analyse_to_index(benchmark::State& state) {
  const int index = static_cast<int>(state.range(0));
  size_t entries = 0;
  for (auto _ : state) {
    entries = lattice::analyse({5.0, 8.6603, 7.0, 90, 90, 90}, {lattice::centring::P, 3, index})
                  .lattices.size();
    benchmark::DoNotOptimize(entries);
  }
  state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(analyse_to_index)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
