// Drives the window's own handlers on the headless toolkit, as a user would, so that the
// command line and the window can never disagree.
#pragma once

#include <string>
#include <vector>

#include "search_json.hpp"
#include "search_options.hpp"

namespace quarvel::cli {

struct session_result {
  std::vector<std::string> report;      // the report's lines; empty when no search ran
  std::vector<std::string> messages;    // texts of the boxes shown, in order
  std::vector<search_record> searches;  // each search's report and starting cell
  int exit_status = 0;
};

session_result run_search(const search_options& options);

}  // namespace quarvel::cli
