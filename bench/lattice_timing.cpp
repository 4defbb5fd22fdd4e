// Times the lattice analysis, one line per case:
//   case lattice-single median MICROSECONDS us    one cell at index 1, median over random cells
//   case lattice-index10 median MILLISECONDS ms   one cell with derivative lattices to index 10
//   case lattice-batch10k whole SECONDS s         quarvel-lattice --batch on 10 000 random cells
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "random_cells.hpp"

namespace {

using namespace quarvel;
using clock_type = std::chrono::steady_clock;
using seconds = std::chrono::duration<double>;

constexpr std::uint64_t kSeed = 20240611;

double median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <typename Work>
double timed(Work work) {
  const auto start = clock_type::now();
  work();
  return seconds(clock_type::now() - start).count();
}

lattice::analysis analysed(const bench::random_cell& c, int max_index) {
  lattice::analysis_options options;
  options.centring_type = c.centring_type;
  options.max_index = max_index;
  return lattice::analyse(c.cell, options);
}

// Each of 2001 random cells once, after a first pass over them that warms the caches.
double single_cell_median() {
  bench::random_cells source(kSeed);
  std::vector<bench::random_cell> cells;
  for (int k = 0; k < 2001; ++k) cells.push_back(source.next());
  std::size_t entries = 0;
  for (const auto& c : cells) entries += analysed(c, 1).lattices.size();
  std::vector<double> times;
  for (const auto& c : cells)
    times.push_back(timed([&] { entries += analysed(c, 1).lattices.size(); }));
  if (entries == 0) std::abort();  // keeps the work observable
  return median(times);
}

// A triclinic cell, whose lattice has the fewest symmetries to cut the sub-lattice search short.
double index10_median() {
  const bench::random_cell c{lattice::centring::P, {5.1, 6.2, 7.3, 81, 95, 103}};
  std::vector<double> times;
  std::size_t entries = 0;
  for (int k = 0; k < 11; ++k)
    times.push_back(timed([&] { entries += analysed(c, 10).lattices.size(); }));
  if (entries == 0) std::abort();
  return median(times);
}

// The whole process, as a user runs it: reading, analysing on every core, printing.
double batch_median() {
  std::string folder = (std::filesystem::temp_directory_path() / "quarvel-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) std::abort();
  const std::filesystem::path cells = std::filesystem::path(folder) / "cells-10k.txt";
  {
    bench::random_cells source(kSeed + 1);
    std::ofstream out(cells);
    for (int k = 0; k < 10000; ++k) out << bench::batch_line(source.next()) << '\n';
  }
  const std::string command =
      std::string("'") + QUARVEL_LATTICE_PROGRAM + "' --batch '" + cells.string() + "' >/dev/null";
  std::vector<double> times;
  for (int k = 0; k < 3; ++k) {
    int status = 0;
    times.push_back(timed([&] { status = std::system(command.c_str()); }));
    if (status != 0) {
      std::fprintf(stderr, "quarvel-lattice --batch failed on the generated cells\n");
      std::exit(EXIT_FAILURE);
    }
  }
  std::filesystem::remove_all(folder);
  return median(times);
}

}  // namespace

int main() {
  std::printf("case lattice-single median %.1f us\n", single_cell_median() * 1e6);
  std::fflush(stdout);
  std::printf("case lattice-index10 median %.2f ms\n", index10_median() * 1e3);
  std::fflush(stdout);
  std::printf("case lattice-batch10k whole %.2f s\n", batch_median());
  return EXIT_SUCCESS;
}
