// Number text on any bytes: parse_real, repair_number, split_numbers and the integer
// conversion, with the promises their callers rely on.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.hpp"
#include "mathhkl/number_text.hpp"

namespace {

using mathhkl::parse_real;

bool same_value(long double x, long double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::isfinite(x) == std::isfinite(y);
  return std::fabs(x - y) <= 1e-15L * std::fabs(x);
}

void check_parse(std::string_view text) {
  const mathhkl::parse_result r = parse_real(text);
  fuzz_require(r.code >= 0 && static_cast<size_t>(r.code) <= text.size() + 1,
               "the code is a position in the text or just behind it");
  if (r.code != 0 || !std::isfinite(r.value)) return;
  try {
    const mathhkl::real48 stored = r.value;
    for (const int decimals : {0, 3}) {
      const mathhkl::parse_result back = parse_real(mathhkl::format_fixed(stored, 8, decimals));
      fuzz_require(back.code == 0, "a printed number reads back");
      if (std::fabs(stored) < 1e9L) {
        fuzz_require(std::fabs(back.value - stored) <= 0.5L * std::pow(10.0L, -decimals) + 1e-9L,
                     "a printed number is its value rounded to its decimals");
      }
    }
  } catch (const platform::error&) {
    // Beyond the 48-bit range: storing it fails, as the callers expect.
  }
}

void check_repair(std::string_view text) {
  std::string repaired(text);
  mathhkl::repair_number(repaired);
  fuzz_require(!repaired.empty() && repaired.size() <= text.size() + 2,
               "repairing adds at most two characters");
  const mathhkl::parse_result before = parse_real(text);
  if (!text.empty() && before.code == 0) {
    const mathhkl::parse_result after = parse_real(repaired);
    fuzz_require(after.code == 0 && same_value(before.value, after.value),
                 "repairing a number keeps its value");
  }
}

void check_split(std::string_view text) {
  mathhkl::number_slots values;
  values.fill(7.0L);
  int count = -1;
  int code = -1;
  try {
    mathhkl::split_numbers(text, values, count, code);
  } catch (const platform::error&) {
    return;  // an item beyond the 48-bit range
  }
  fuzz_require(count >= 0 && count <= 11, "at most eleven items");
  if (count == 0) {
    fuzz_require(code == -1 && values[0] == 7.0L, "an empty line leaves slots and code alone");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check_parse(text);
  check_repair(text);
  check_split(text);
  try {
    mathhkl::parse_integer(text);
  } catch (const platform::error&) {
    // "'%s' is not a valid integer value"
  }
  return 0;
}
