// Text files as the readers and writers see them: lines ended by CR LF, a character 26 that
// marks the end of the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mathhkl {

// The text before its first character 26.
std::string_view before_end_mark(std::string_view text);

// A line ends at CR, and an LF right after the CR belongs to that end; an LF alone ends a line
// too, so that a file whose line ends were mixed by an editor loses no line. A last line
// without an end still counts.
std::vector<std::string> text_lines(std::string_view text);

// Each line followed by CR LF.
std::string crlf_text(const std::vector<std::string>& lines);

}  // namespace mathhkl
