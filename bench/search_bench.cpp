// Times the whole triple search on the cubic 4 A cell, every candidate enumerated.
#include <benchmark/benchmark.h>

#include "main/search_engine.hpp"
#include "mathhkl/geometry.hpp"

namespace {

using namespace quarvel;

// Keeps nothing and never stops, so that the whole enumeration is timed.
struct counting_host : search_host {
  bool add_found(const found_cell&) override {
    ++found;
    return false;
  }
  bool pair_step() override { return false; }
  void inner_step() override { ++steps; }
  long long found = 0;
  long long steps = 0;
};

void cubic_search(benchmark::State& state) {
  mathhkl::cell_state cell;
  cell.cell = {4, 4, 4, 90, 90, 90};
  mathhkl::compute_cell_geometry(cell);
  const auto table = build_vector_table(static_cast<int>(state.range(0)), cell.axes_matrix);
  const search_conditions conditions{{0.005L, 0.3L}, 10, 64.0L, false};
  counting_host host;
  for (auto _ : state) {
    host = {};
    run_triple_search(table, cell.axes_matrix, conditions, host);
    benchmark::DoNotOptimize(host.found);
  }
  state.counters["vectors"] = static_cast<double>(table.size());
  state.counters["cells"] = static_cast<double>(host.found);
}
BENCHMARK(cubic_search)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
