// A search host for tests and benchmarks: keeps the wanted cells as found-cell lines, counts
// pairs and steps, never stops unless told to.
#pragma once

#include <string>
#include <vector>

#include "main/result_lines.hpp"
#include "search/search_engine.hpp"

namespace quarvel {

struct search_recorder : search_host {
  explicit search_recorder(unsigned wanted_mask = 0x7eu) : wanted(wanted_mask) {}
  bool add_found(const found_cell& cell) override {
    if ((wanted & (1u << cell.number)) == 0) return false;
    cells.push_back(cell);
    lines.push_back(raw_found_line(cell));
    return static_cast<int>(cells.size()) == stop_after;
  }
  bool pair_step() override {
    ++pairs;
    return false;
  }
  void inner_steps(long long count) override { steps += count; }
  unsigned wanted_systems() override { return wanted; }

  unsigned wanted;
  int stop_after = -1;
  std::vector<found_cell> cells;
  std::vector<std::string> lines;
  long long pairs = 0;
  long long steps = 0;
};

}  // namespace quarvel
