// Crysfire summary files: the copy with CR LF line ends, and the list file of their cells.
#pragma once

#include <string>
#include <string_view>

#include "mathhkl/cell_state.hpp"
#include "mathhkl/number_text.hpp"

namespace mathhkl {

inline constexpr std::string_view kWorkingCopyName = "dummy.tmp";
inline constexpr std::string_view kListFileName = "sumfil.tmp";
inline constexpr std::string_view kSumListHeader =
    " Nb I/I20  FOM   V/V1    a      b      c   alpha   beta   gamma    Vol.";
static_assert(kSumListHeader.size() == 71);

// `name` in the working folder `dir`; the current folder when `dir` is empty.
std::string working_file(const std::string& dir, std::string_view name);

// When the summary's first line does not end in CR LF, writes a copy with CR LF line ends
// ("dummy.tmp" in `work_dir`) and returns true; otherwise, and for a summary whose lines end
// in CR alone, the summary is read in place.
bool normalise_line_ends(const std::string& file_name, const std::string& work_dir);

// What split_numbers makes of a summary line's number field (characters 68 to 119). A line
// carries a cell when count is at least 6 and code is 0.
struct sum_field {
  number_slots values{};
  int count = 0;
  int code = 0;
  bool starts_with_number = false;  // its first item converts cleanly
};
sum_field read_sum_field(std::string_view line);

// Writes the list file ("sumfil.tmp" in state.sum_dir): the header, then one line per summary
// line that carries a cell. Recognising each cell may change state.system_code.
void read_sum_file(const std::string& file_name, cell_state& state);

}  // namespace mathhkl
