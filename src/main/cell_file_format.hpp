// The Lanfit cell file: three lines the reader skips, then a, b, c, alpha, beta, gamma.
#pragma once

#include <string>
#include <string_view>

#include "mathhkl/cell_state.hpp"

namespace quarvel {

// Reads the six values after the first three lines, in free format across lines; values the
// text does not hold are 0. Each value is stored as soon as it is read, so a value that is not
// a number keeps its partial value and the ones before it when "Invalid numeric input" is thrown.
// Lines may end in CR LF, CR or LF alone.
void read_cell_values(std::string_view text, mathhkl::cell_params& cell);

// An empty line, the system code, "NO EXT." and the six values at 8:3, each ended by CR LF.
std::string cell_file_text(std::string_view system_code, const mathhkl::cell_params& cell);

// The chosen path, with ".cry" appended when the text ".cry" occurs nowhere in it.
std::string cell_file_path(std::string path);

}  // namespace quarvel
