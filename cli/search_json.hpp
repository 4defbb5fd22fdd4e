// quarvel-search --json: the report's cells as JSON, each with what it is in lattice terms.
#pragma once

#include <string>
#include <vector>

#include "lattice/types.hpp"

namespace quarvel::cli {

struct search_record {
  int solution = 0;                 // the summary's solution searched; 0 for another source
  std::vector<std::string> report;  // the report's lines
  lattice::cell start;              // the starting cell as the search held it
};

// One object: {"searches": [{"solution"?, "initial", "cells", "endings"}], "messages": [...]}.
std::string search_json(const std::vector<search_record>& searches,
                        const std::vector<std::string>& messages);

}  // namespace quarvel::cli
