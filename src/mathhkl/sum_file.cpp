// The summary readers. A summary line is taken by position: characters 1-10 and 24-28 are
// copied, characters 68-119 hold the cell.
#include "mathhkl/sum_file.hpp"

#include <algorithm>
#include <filesystem>
#include <span>
#include <vector>

#include "mathhkl/file_error.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/geometry.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/recognition.hpp"
#include "mathhkl/text_lines.hpp"

namespace mathhkl {
namespace {

constexpr size_t kProbeLength = 300;     // bytes looked at for the first line's end
constexpr size_t kKeptLineLength = 250;  // longer lines of a copy lose their tail
constexpr size_t kLeadLength = 67;       // characters before the number field
constexpr size_t kFieldLength = 52;      // the number field

// The byte before the first LF within the probe, 0 when the LF comes first, the last probed
// byte when there is none. A shorter file without LF ends the probe early.
char byte_before_first_lf(std::string_view bytes) {
  char previous = 0;
  for (size_t i = 0; i < kProbeLength; ++i) {
    if (i == bytes.size()) throw platform::error(std::string(kReadBeyondEnd));
    if (bytes[i] == '\n') break;
    previous = bytes[i];
  }
  return previous;
}

// Every CR dropped, lines cut to their first 250 bytes, bytes after the last LF left out.
std::vector<std::string> lf_lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : bytes) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (line.size() < kKeptLineLength) {
      line += c;
    }
  }
  return lines;
}

std::string list_line(int n, std::string_view lead, std::span<const real48, 6> cell,
                      const real48& volume) {
  std::string line = format_int(n, 4).substr(0, 4);
  line += ' ';
  line += lead.substr(0, 10);
  line += ' ';
  line += lead.substr(23, 5);
  for (int i = 0; i < 6; ++i) line += ' ' + format_fixed(cell[i], 6, i < 3 ? 3 : 2);
  line += format_fixed(volume, 9, 2);
  return line;
}

}  // namespace

std::string working_file(const std::string& dir, std::string_view name) {
  return (std::filesystem::path(dir) / name).string();
}

bool normalise_line_ends(const std::string& file_name, const std::string& work_dir) {
  const std::string bytes = read_file(file_name);
  if (byte_before_first_lf(bytes) == '\r') return false;
  // Lines ended by CR alone are read as they stand: the copy, which drops every CR and keeps
  // only what ends in LF, would leave nothing of them.
  if (bytes.find('\n') == std::string::npos && bytes.find('\r') != std::string::npos) return false;
  replace_file(working_file(work_dir, kWorkingCopyName), crlf_text(lf_lines(bytes)));
  return true;
}

sum_field read_sum_field(std::string_view line) {
  sum_field field;
  const std::string_view text = line.substr(std::min(line.size(), kLeadLength), kFieldLength);
  split_numbers(text, field.values, field.count, field.code);
  const size_t first = text.find_first_not_of(" ,");
  if (first != std::string_view::npos) {
    const std::string_view item = text.substr(first, text.find_first_of(" ,", first) - first);
    field.starts_with_number = parse_real(item).code == 0;
  }
  return field;
}

void read_sum_file(const std::string& file_name, cell_state& state) {
  const std::vector<std::string> summary = text_lines(read_file(file_name));
  std::vector<std::string> list{std::string(kSumListHeader)};
  for (const std::string& line : summary) {
    const std::string_view lead = std::string_view(line).substr(0, kLeadLength);
    sum_field field = read_sum_field(line);
    if (field.count < 6) continue;  // headings, blank lines, fields without a whole cell
    number_slots& values = field.values;
    // The volume of the cell as read, before recognition may exchange b and c.
    const real48 volume = field.code == 0 ? cell_volume(values[0], values[1], values[2], values[3],
                                                        values[4], values[5])
                                          : real48();
    const std::span<real48, 6> cell(values.data(), 6);
    recognise_sum_system(cell, state);
    if (field.code != 0) continue;
    // The header is line 0, so the list's length is the next running number.
    list.push_back(list_line(static_cast<int>(list.size()), lead, cell, volume));
  }
  replace_file(working_file(state.sum_dir, kListFileName), crlf_text(list));
}

}  // namespace mathhkl
