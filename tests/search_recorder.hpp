// A search host for tests and benchmarks: keeps the wanted cells as found-cell lines, counts
// pairs and steps, never stops unless told to.
#pragma once

#include <string>
#include <vector>

#include "main/result_lines.hpp"
#include "search/search_engine.hpp"

namespace quarvel {

struct search_recorder : search_host {
  explicit search_recorder(mathhkl::system_set wanted_systems = mathhkl::system_set::searchable())
      : wanted(wanted_systems) {}
  bool add_found(const found_cell& cell) override {
    if (!wanted.contains(cell.system)) return false;
    cells.push_back(cell);
    lines.push_back(raw_found_line(cell));
    return static_cast<int>(cells.size()) == stop_after;
  }
  bool pair_step(long long visits) override {
    ++pairs;
    steps += visits;
    return false;
  }
  bool preparation_step() override { return false; }
  const mathhkl::system_set& wanted_systems() override { return wanted; }

  mathhkl::system_set wanted;
  int stop_after = -1;
  std::vector<found_cell> cells;
  std::vector<std::string> lines;
  long long pairs = 0;
  long long steps = 0;
};

}  // namespace quarvel
