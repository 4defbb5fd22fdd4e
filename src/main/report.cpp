// The report's lines, copied from the lists exactly as they stand.
#include "main/report.hpp"

namespace quarvel {

using toolkit::control;

std::vector<std::string> report_lines(const toolkit::toolkit& tk, int found_count) {
  std::vector<std::string> lines{
      "Initial cell",  tk.line(control::ListBox2, 0), tk.line(control::ListBox2, 1), "",
      "Found cell(s)", tk.line(control::ListBox6, 0)};
  for (int i = 0; i < found_count; ++i) lines.push_back(tk.line(control::ListBox4, i));
  return lines;
}

}  // namespace quarvel
