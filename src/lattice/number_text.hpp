// Locale-free number text, read and written, for the analysis's input, messages and output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lattice/types.hpp"

namespace lattice {

// Fixed-point with `decimals` digits, "." always the decimal point; -0 printed as 0.
std::string fixed(double x, int decimals);
// At most six decimals, trailing zeros dropped: 4, 4.5, 0.333333.
std::string compact(double x);
// The shortest text that reads back as exactly x (matrix entries such as 1/3).
std::string shortest(double x);
// Right-aligned in `width`; a wider text still keeps one space before it.
std::string right_aligned(std::string text, std::size_t width);
// Padded with blanks to `width`; a wider text as it is.
std::string left_aligned(std::string text, std::size_t width);
// The six parameters separated by blanks: lengths with 4 decimals, angles with 3.
std::string cell_text(const cell& c);
// The same numbers right-aligned: lengths in columns `length_width` wide, angles in
// `angle_width`.
std::string cell_columns(const cell& c, std::size_t length_width, std::size_t angle_width);
// A whole number or a decimal in the C syntax (exponent allowed); nothing for anything else,
// including nan and inf and trailing characters.
std::optional<double> parse_number(std::string_view text);
std::optional<int> parse_integer(std::string_view text);

}  // namespace lattice
