// Google Benchmark timings of the product's search on the cubic 4 A cell.
#include <benchmark/benchmark.h>

#include "search_cases.hpp"
#include "search_recorder.hpp"

namespace {

using namespace quarvel;

void cubic_search(benchmark::State& state) {
  const bench::search_case c = bench::make_case(bench::kCubic4, static_cast<int>(state.range(0)));
  size_t cells = 0;
  for (auto _ : state) {
    search_recorder host;
    run_triple_search(c.table, c.axes, c.conditions, host);
    cells = host.cells.size();
    benchmark::DoNotOptimize(cells);
  }
  state.counters["vectors"] = static_cast<double>(c.table.size());
  state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(cubic_search)->Arg(3)->Arg(5)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
