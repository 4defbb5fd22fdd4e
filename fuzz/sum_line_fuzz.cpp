// find_sum_line on any found-cell line and any solution lines, read through the toolkit as
// the search reads them. The first byte picks the comparison tolerances; then lines follow,
// split at LF: the found-cell line, then the solution lines.
#include <array>
#include <cstdint>
#include <string_view>

#include "fuzz_check.hpp"
#include "main/form.hpp"
#include "mathhkl/sum_file.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace {

struct comparison {
  long double param, angle;
};
// The panel's defaults, zero, negative and huge.
constexpr std::array<comparison, 4> kComparisons{{{0.01L, 0.5L}, {0, 0}, {-1, -1}, {1e30L, 1e30L}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const comparison tol = kComparisons[data[0] % kComparisons.size()];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  auto next_line = [&rest] {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return line;
  };

  toolkit::headless_toolkit tk;
  quarvel::TForm1 form(tk);
  const std::string_view found_line = next_line();
  tk.add_line(toolkit::control::ListBox1, mathhkl::kSumListHeader);
  int count = 0;
  while (!rest.empty()) {
    tk.add_line(toolkit::control::ListBox1, next_line());
    ++count;
  }
  mathhkl::cell_state& state = form.shared();
  state.sum_line_count = count;
  state.sum_tol_param = tol.param;
  state.sum_tol_angle = tol.angle;
  try {
    const int k = form.find_sum_line(found_line);
    fuzz_require(k >= 0 && k <= count, "the match is a solution of the list, or none");
  } catch (const platform::error&) {
    // A number of a line beyond the 48-bit range.
  }
  return 0;
}
