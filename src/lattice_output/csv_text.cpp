// CSV lines for the batch output and the window's export.
#include "lattice_output/csv_text.hpp"

namespace lattice {

std::string csv_field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return quoted + "\"";
}

std::string csv_line(const std::vector<std::string>& fields, std::string_view line_end) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ',';
    line += csv_field(fields[i]);
  }
  line += line_end;
  return line;
}

}  // namespace lattice
