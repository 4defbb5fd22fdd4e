// Numbers through std::to_chars and std::from_chars, which never consult the locale.
#include "lattice/number_text.hpp"

#include <charconv>
#include <cmath>

namespace lattice {

std::string shortest(double x) {
  char buffer[64];
  // Whole numbers as integers (1000000, not 1e+06): every double below 2^53 is exact that way.
  const bool whole = std::abs(x) < 0x1p53 && x == std::trunc(x);
  auto result = whole ? std::to_chars(buffer, buffer + sizeof buffer, x == 0 ? 0.0 : x,
                                      std::chars_format::fixed, 0)
                      : std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}

std::string fixed(double x, int decimals) {
  // The largest double has 309 digits before the point.
  char buffer[400];
  double rounded_away = std::abs(x) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : x;
  auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded_away,
                              std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return shortest(x);
  return std::string(buffer, result.ptr);
}

std::string compact(double x) {
  std::string text = fixed(x, 6);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string right_aligned(std::string text, std::size_t width) {
  text.insert(0, text.size() < width ? width - text.size() : 1, ' ');
  return text;
}

std::string left_aligned(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

std::string cell_text(const cell& c) {
  std::string text;
  for (int k = 0; k < 6; ++k) {
    if (k) text += ' ';
    text += fixed(c.parameters()[k], k < 3 ? 4 : 3);
  }
  return text;
}

std::string cell_columns(const cell& c, std::size_t length_width, std::size_t angle_width) {
  std::string text;
  for (int k = 0; k < 6; ++k)
    text +=
        right_aligned(fixed(c.parameters()[k], k < 3 ? 4 : 3), k < 3 ? length_width : angle_width);
  return text;
}

std::optional<double> parse_number(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> parse_integer(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace lattice
