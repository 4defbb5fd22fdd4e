// CSV as RFC 4180 writes it: fields quoted only where they must be.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lattice {

// A field with a comma, a quote or a line break in quotes, its quotes doubled; others as they are.
std::string csv_field(std::string_view text);

// The fields separated by commas, then `line_end`: "\r\n" in files made for spreadsheets (as the
// RFC has it), "\n" on a program's standard output, where the lines go through Unix tools.
std::string csv_line(const std::vector<std::string>& fields, std::string_view line_end);

}  // namespace lattice
