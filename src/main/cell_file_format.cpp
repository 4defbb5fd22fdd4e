// Cell file text, read and written.
#include "main/cell_file_format.hpp"

#include "mathhkl/file_error.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/text_lines.hpp"

namespace quarvel {
namespace {

constexpr int kSkippedLines = 3;
constexpr size_t kLongestValueText = 64;  // a longer run of characters starts the next value

bool separates(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// The text after its first `count` lines.
std::string_view after_lines(std::string_view text, int count) {
  for (int i = 0; i < count && !text.empty(); ++i) {
    const size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) return {};
    text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
  }
  return text;
}

}  // namespace

void read_cell_values(std::string_view text, mathhkl::cell_params& cell) {
  std::string_view rest = after_lines(mathhkl::before_end_mark(text), kSkippedLines);
  for (auto& value : cell) {
    while (!rest.empty() && separates(rest.front())) rest.remove_prefix(1);
    size_t length = 0;
    while (length < rest.size() && length < kLongestValueText && !separates(rest[length])) ++length;
    const mathhkl::parse_result r = mathhkl::parse_real(rest.substr(0, length));
    rest.remove_prefix(length);
    value = length == 0 ? 0.0L : r.value;
    if (length > 0 && r.code != 0) {
      throw platform::error(std::string(mathhkl::kInvalidNumericInput));
    }
  }
}

std::string cell_file_text(std::string_view system_code, const mathhkl::cell_params& cell) {
  std::string values;
  for (int i = 0; i < 6; ++i) values += mathhkl::format_fixed(cell[i], 8, 3);
  return mathhkl::crlf_text({"", std::string(system_code), "NO EXT.", values});
}

std::string cell_file_path(std::string path) {
  if (path.find(".cry") == std::string::npos) path += ".cry";
  return path;
}

}  // namespace quarvel
