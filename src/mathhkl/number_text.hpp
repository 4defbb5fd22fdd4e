// Locale-free number text: reading typed and file numbers, fixed-point output.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "mathhkl/real48.hpp"

namespace mathhkl {

struct parse_result {
  long double value = 0.0L;
  int code = 0;  // 0, or the 1-based position of the first character that cannot belong
};

// Whole-text conversion: leading blanks, sign, digits, ".", digits, exponent. The decimal
// separator is always ".". On error the value is the digits read so far as a whole number.
parse_result parse_real(std::string_view text);

// Patches the usual typing slips (" .5", "2. ", "-.5", "3.") in place before conversion.
void repair_number(std::string& text);

// Up to eleven numbers of a line; blanks and commas separate, a tab does not.
using number_slots = std::array<real48, 11>;
// `count` receives the items taken (0..11) and `code` the conversion code of the last one; the
// slots and `code` are left untouched when the line yields no item.
void split_numbers(std::string_view line, number_slots& values, int& count, int& code);

// x rounded half up to `decimals` places (from its 18-digit expansion), right-aligned in `width`.
std::string format_fixed(long double x, int width, int decimals);

// n right-aligned in `width`, never cut.
std::string format_int(long long n, int width);

// The platform's text-to-integer conversion; throws platform::error
// "'%s' is not a valid integer value" when the text is not an integer.
int parse_integer(std::string_view text);

}  // namespace mathhkl
