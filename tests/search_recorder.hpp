// A search host for tests and benchmarks: keeps the wanted cells as found-cell lines, counts
// pairs and steps, never stops unless told to, and can change the wanted systems at one pair's
// step as the window's check list can.
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
    found_at_pair.push_back(pairs);
    return static_cast<int>(cells.size()) == stop_after;
  }
  long long pair_steps(long long count, long long visits) override {
    long long taken = count;
    if (change_at_pair > pairs && change_at_pair <= pairs + count) {
      taken = change_at_pair - pairs;
      wanted = later_systems;
    }
    pairs += taken;
    steps += taken * visits;
    return taken;
  }
  bool preparation_step() override { return false; }
  const mathhkl::system_set& wanted_systems() override { return wanted; }

  mathhkl::system_set wanted;
  int stop_after = -1;
  long long change_at_pair = 0;  // counted from 1; 0 for never
  mathhkl::system_set later_systems;
  std::vector<found_cell> cells;
  std::vector<std::string> lines;
  std::vector<long long> found_at_pair;  // the pair, from 1, at which each cell was found
  long long pairs = 0;
  long long steps = 0;
};

}  // namespace quarvel
