// The summary's cell lines read by the same field rule as its list.
#include "mathhkl/sum_solutions.hpp"

#include <algorithm>

#include "mathhkl/number_text.hpp"
#include "mathhkl/sum_file.hpp"
#include "mathhkl/text_lines.hpp"
#include "platform/error.hpp"

namespace mathhkl {

namespace {

// Characters 1-10 hold the lines indexed and the figure of merit, " 20  31.2"; anything else
// there is no figure of merit.
std::optional<double> figure_of_merit(std::string_view line) {
  const std::string_view lead = line.substr(0, std::min<size_t>(line.size(), 10));
  std::vector<std::string_view> items;
  size_t i = 0;
  while (i < lead.size()) {
    const size_t start = lead.find_first_not_of(' ', i);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(lead.find(' ', start), lead.size());
    items.push_back(lead.substr(start, end - start));
    i = end;
  }
  if (items.size() != 2 || parse_real(items[0]).code != 0) return std::nullopt;
  const parse_result fom = parse_real(items[1]);
  if (fom.code != 0) return std::nullopt;
  return static_cast<double>(fom.value);
}

}  // namespace

sum_solutions read_sum_solutions(std::string_view bytes) {
  sum_solutions out;
  const std::vector<std::string> lines = text_lines(bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    try {
      const sum_field field = read_sum_field(lines[i]);
      if (!field.starts_with_number) continue;  // headings and blank lines
      if (field.count < 6) {
        out.rejected.push_back(
            {line, "only " + std::to_string(field.count) + " number(s) where a cell needs six"});
      } else if (field.code != 0) {
        out.rejected.push_back({line, "the cell's numbers are followed by text that is no number"});
      } else {
        sum_solution s{static_cast<int>(out.solutions.size()) + 1, line, {}, {}};
        for (int k = 0; k < 6; ++k) s.cell[k] = field.values[k].value();
        s.figure_of_merit = figure_of_merit(lines[i]);
        out.solutions.push_back(s);
      }
    } catch (const platform::error& e) {
      out.rejected.push_back({line, e.what()});
    }
  }
  return out;
}

}  // namespace mathhkl
