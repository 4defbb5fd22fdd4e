// quarvel-lattice --batch on any text (largest index 1): every line that is not blank or a
// comment is either printed or reported, reports name their lines in order, and every printed
// line is valid JSON, or a CSV row of the header's width.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "json_check.hpp"
#include "lattice/number_text.hpp"
#include "lattice_batch.hpp"
#include "lattice_output/analysis_output.hpp"

namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Lines with something before their comment: the ones the batch must account for.
int cell_lines(const std::string& text) {
  int count = 0;
  for (std::string line : lines_of(text)) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t\r") != std::string::npos) ++count;
  }
  return count;
}

int csv_width(const std::string& row) {
  int fields = 1;
  bool quoted = false;
  for (char ch : row) {
    if (ch == '"') quoted = !quoted;
    if (ch == ',' && !quoted) ++fields;
  }
  return fields;
}

void check_errors(const quarvel::cli::batch_outcome& out, int line_count) {
  const std::vector<std::string> errors = lines_of(out.errors);
  fuzz_require(static_cast<int>(errors.size()) == out.failed, "one message a failed line");
  int previous = 0;
  for (const std::string& e : errors) {
    fuzz_require(e.rfind("line ", 0) == 0, "a message names its line");
    const std::optional<int> number =
        lattice::parse_integer(std::string_view(e).substr(5, e.find(':') - 5));
    fuzz_require(number && *number > previous && *number <= line_count,
                 "messages name their lines in order");
    previous = *number;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int expected = cell_lines(text);
  const int line_count = static_cast<int>(lines_of(text).size());
  lattice::analysis_options options;
  options.max_index = 1;
  for (bool csv : {false, true}) {
    std::istringstream in(text);
    const quarvel::cli::batch_outcome out = quarvel::cli::run_batch(in, options, csv);
    check_errors(out, line_count);
    std::vector<std::string> printed = lines_of(out.output);
    if (csv) {
      fuzz_require(!printed.empty() && printed.front() + "\n" == lattice::csv_header(),
                   "the CSV header first");
      const int width = csv_width(printed.front());
      printed.erase(printed.begin());
      for (const std::string& row : printed)
        fuzz_require(csv_width(row) == width, "every row as wide as the header");
    } else {
      for (const std::string& object : printed)
        fuzz_require(quarvel::testing::check_json(object).problem.empty(), "valid JSON lines");
    }
    fuzz_require(static_cast<int>(printed.size()) + out.failed == expected,
                 "every cell line printed or reported");
  }
  return 0;
}
