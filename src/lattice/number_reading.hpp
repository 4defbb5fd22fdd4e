// Locale-free reading of the numbers a user types or a file holds.
#pragma once

#include <optional>
#include <string_view>

namespace lattice {

// A whole number or a decimal in the C syntax (exponent allowed); nothing for anything else,
// including nan and inf and trailing characters.
std::optional<double> parse_number(std::string_view text);
std::optional<int> parse_integer(std::string_view text);

}  // namespace lattice
