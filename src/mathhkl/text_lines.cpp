// Line splitting and joining of the program's text files.
#include "mathhkl/text_lines.hpp"

namespace mathhkl {

std::string_view before_end_mark(std::string_view text) {
  return text.substr(0, text.find('\x1a'));
}

std::vector<std::string> text_lines(std::string_view text) {
  text = before_end_mark(text);
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && text.substr(end + 1).starts_with('\n');
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

std::string crlf_text(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace mathhkl
