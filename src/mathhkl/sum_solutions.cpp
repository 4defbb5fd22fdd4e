// The summary's cell lines read by the same field rule as its list.
#include "mathhkl/sum_solutions.hpp"

#include "mathhkl/sum_file.hpp"
#include "mathhkl/text_lines.hpp"
#include "platform/error.hpp"

namespace mathhkl {

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
        sum_solution s{static_cast<int>(out.solutions.size()) + 1, line, {}};
        for (int k = 0; k < 6; ++k) s.cell[k] = field.values[k].value();
        out.solutions.push_back(s);
      }
    } catch (const platform::error& e) {
      out.rejected.push_back({line, e.what()});
    }
  }
  return out;
}

}  // namespace mathhkl
