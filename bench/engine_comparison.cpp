// Times the plain loop and the fast search in one run, one line per case:
//   case NAME reference SECONDS fast SECONDS ratio X
// The reference at max_vector 8 would take hours: it is estimated from max_vector 6 by the N^3
// growth of the triple loop.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reference_search.hpp"
#include "search_cases.hpp"
#include "search_recorder.hpp"

namespace {

using namespace quarvel;
using seconds = std::chrono::duration<double>;

template <typename Engine>
double timed(const bench::search_case& c, mathhkl::system_set wanted, Engine engine,
             size_t& cells) {
  search_recorder host(wanted);
  const auto start = std::chrono::steady_clock::now();
  engine(c.table, c.axes, c.conditions, host);
  cells = host.cells.size();
  return seconds(std::chrono::steady_clock::now() - start).count();
}

void report(const char* name, double reference, double fast, const char* note = "") {
  std::printf("case %s reference %.3f fast %.3f ratio %.0f%s\n", name, reference, fast,
              reference / fast, note);
  std::fflush(stdout);
}

}  // namespace

int main() {
  const mathhkl::system_set kAll = mathhkl::system_set::searchable();
  const mathhkl::system_set kCubicOnly{mathhkl::crystal_system::cubic};
  size_t reference_cells = 0, fast_cells = 0;

  const auto cubic = bench::make_case(bench::kCubic4, 3);
  const double ref3 = timed(cubic, kAll, run_reference_search, reference_cells);
  const double fast3 = timed(cubic, kAll, run_triple_search, fast_cells);
  report("default-cubic-4A", ref3, fast3);

  const auto fcc6 = bench::make_case(bench::kFaceCentred, 6);
  const double ref6 = timed(fcc6, kCubicOnly, run_reference_search, reference_cells);
  const double fast6 = timed(fcc6, kCubicOnly, run_triple_search, fast_cells);
  report("fcc-mv6-cubic", ref6, fast6);
  if (reference_cells != fast_cells) {
    std::fprintf(stderr, "engines disagree: %zu and %zu cells\n", reference_cells, fast_cells);
    return EXIT_FAILURE;
  }

  const auto fcc8 = bench::make_case(bench::kFaceCentred, 8);
  const double fast8 = timed(fcc8, kCubicOnly, run_triple_search, fast_cells);
  const double growth =
      static_cast<double>(fcc8.table.size()) / static_cast<double>(fcc6.table.size());
  report("fcc-mv8-cubic", ref6 * growth * growth * growth, fast8, " (reference estimated)");
  return EXIT_SUCCESS;
}
