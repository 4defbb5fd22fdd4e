// The observed-line reader on any bytes, as 2θ and as d: a list it accepts is sorted, inside
// (0°, 180°), long enough, and each line names a row of the text.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fuzz_check.hpp"
#include "pattern/observed_lines.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const long rows = std::count(text.begin(), text.end(), '\n') + 1;
  for (pattern::line_unit unit : {pattern::line_unit::two_theta, pattern::line_unit::d}) {
    try {
      const std::vector<pattern::observed_line> lines =
          pattern::read_observed_lines(text, unit, pattern::kDefaultWavelength);
      fuzz_require(static_cast<int>(lines.size()) >= pattern::kFewestLines, "enough lines");
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const pattern::observed_line& l = lines[i];
        fuzz_require(std::isfinite(l.two_theta) && l.two_theta > 0 && l.two_theta < 180,
                     "2-theta inside (0, 180)");
        fuzz_require(l.row >= 1 && l.row <= rows, "a row of the text");
        fuzz_require(i == 0 || lines[i - 1].two_theta <= l.two_theta, "sorted by 2-theta");
      }
    } catch (const pattern::pattern_error&) {
      // a bad row, or too few lines: refused with a message
    }
  }
  return 0;
}
