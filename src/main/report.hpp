// The results report: the captions and the lines of the three result lists.
#pragma once

#include <string>
#include <vector>

#include "toolkit/toolkit.hpp"

namespace quarvel {

// "Initial cell", the initial-cell heading and line, an empty line, "Found cell(s)", the
// found-cell heading, then the found_count lines of the found-cell list.
std::vector<std::string> report_lines(const toolkit::toolkit& tk, int found_count);

}  // namespace quarvel
