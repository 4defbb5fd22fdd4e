// The observed-line options of quarvel-lattice: the list, its unit, wavelength and tolerance,
// refinement and the order of the table.
#pragma once

#include <string>
#include <vector>

#include "pattern/evidence.hpp"

namespace quarvel::cli {

struct lines_command {
  std::string file;  // --lines FILE
  pattern::line_unit unit = pattern::line_unit::two_theta;
  pattern::evidence_options evidence;
  pattern::sort_key sort = pattern::sort_key::table;
  std::string needs_lines;  // the first option given that only --lines gives a meaning
};

// Reads the option at arguments[i] when it is one of these, moving i past its value; false for
// any other option. `error` is set for a missing or bad value.
bool parse_lines_option(const std::vector<std::string>& arguments, std::size_t& i, lines_command& c,
                        std::string& error);

// What is wrong with the line options beside the rest of the command line, or nothing.
std::string lines_conflict(const lines_command& c, bool with_cell, bool with_sum);

}  // namespace quarvel::cli
