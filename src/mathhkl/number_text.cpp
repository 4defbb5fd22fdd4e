// Locale-free number text. Values pass through long double exactly as the cell state does.
#include "mathhkl/number_text.hpp"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mathhkl {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_control_or_blank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string_view trim_controls(std::string_view s) {
  while (!s.empty() && is_control_or_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_control_or_blank(s.back())) s.remove_suffix(1);
  return s;
}

// 10^n; exact up to 10^27, the largest power of ten with a 64-bit significand.
long double power_of_ten(int n) {
  if (n > 27) return std::pow(10.0L, static_cast<long double>(n));
  long double p = 1.0L;
  for (int i = 0; i < n; ++i) p *= 10.0L;
  return p;
}

// printf of a long double in the "C" locale, whatever locale the program runs in.
std::string c_locale_printf(const char* format, int precision, long double x) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  locale_t previous = uselocale(c_locale);
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, precision, x);
  uselocale(previous);
  return buffer;
}

// Increments a string of decimal digits by one unit in its last place.
void increment_digits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

std::string pad_left(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

parse_result parse_real(std::string_view text) {
  const size_t n = text.size();
  size_t i = 0;
  while (i < n && text[i] == ' ') ++i;
  const size_t start = i;
  long double digits = 0.0L;
  auto fail = [&](size_t index) { return parse_result{digits, static_cast<int>(index) + 1}; };

  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == n && (i == start || i == start + 1)) return fail(i);  // empty text or a lone sign
  int fraction_digits = 0;
  for (; i < n && is_digit(text[i]); ++i) digits = digits * 10.0L + (text[i] - '0');
  if (i < n && text[i] == '.') {
    for (++i; i < n && is_digit(text[i]); ++i, ++fraction_digits)
      digits = digits * 10.0L + (text[i] - '0');
  }
  int exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative_exponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative_exponent = text[i++] == '-';
    if (i == n || !is_digit(text[i])) return fail(i);
    for (; i < n && is_digit(text[i]); ++i)
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    if (negative_exponent) exponent = -exponent;
  }
  if (i < n) return fail(i);

  long double value = digits;
  const int scale = exponent - fraction_digits;
  if (digits != 0.0L) {
    // Divide rather than multiply by a negative power: one rounding, the nearest quotient.
    value = scale < 0 ? digits / power_of_ten(-scale) : digits * power_of_ten(scale);
  }
  return {negative ? -value : value, 0};
}

void repair_number(std::string& text) {
  if (text.empty()) {
    text = "0";
    return;
  }
  if (auto at = text.find(" ."); at != std::string::npos) text[at] = '0';
  if (auto at = text.find(". "); at != std::string::npos) text[at + 1] = '0';
  if (auto at = text.find("-."); at != std::string::npos) text.insert(at + 1, "0");
  if (text.back() == '.') text += '0';
}

void split_numbers(std::string_view line, number_slots& values, int& count, int& code) {
  std::string s(trim_controls(line));
  count = 0;
  for (char& c : s)
    if (c == ',') c = ' ';
  std::string_view rest = s;
  while (!rest.empty()) {
    const size_t blank = rest.find(' ');
    const size_t p = blank == std::string_view::npos ? rest.size() : blank + 1;
    const parse_result item = parse_real(trim_controls(rest.substr(0, p)));
    values[count] = item.value;
    code = item.code;
    ++count;
    rest = trim_controls(rest.substr(p));
    if (count == static_cast<int>(values.size())) break;
  }
}

std::string format_fixed(long double x, int width, int decimals) {
  if (decimals < 0) decimals = 0;
  const bool negative = x < 0.0L;
  const long double magnitude = std::fabs(x);
  if (magnitude >= 1e36L) {
    return pad_left(c_locale_printf("%.*LE", decimals, x), width);
  }
  // The 18-digit decimal expansion: 17 places after the point below 10, else 18 significant.
  std::string integer_digits;
  std::string fraction_digits;
  if (magnitude < 10.0L) {
    const std::string text = c_locale_printf("%.*Lf", 17, magnitude);
    const size_t point = text.find('.');
    integer_digits = text.substr(0, point);
    fraction_digits = text.substr(point + 1);
  } else {
    const std::string text = c_locale_printf("%.*Le", 17, magnitude);  // d.ddd...e+XX
    const size_t e = text.find('e');
    const std::string significand = text.substr(0, 1) + text.substr(2, e - 2);
    const int integer_count = std::stoi(text.substr(e + 1)) + 1;
    if (integer_count >= static_cast<int>(significand.size())) {
      integer_digits = significand + std::string(integer_count - significand.size(), '0');
    } else {
      integer_digits = significand.substr(0, integer_count);
      fraction_digits = significand.substr(integer_count);
    }
  }
  // Round half up on the expansion's digit after the last one kept.
  const bool round_up =
      static_cast<int>(fraction_digits.size()) > decimals && fraction_digits[decimals] >= '5';
  fraction_digits.resize(decimals, '0');
  std::string kept = integer_digits + fraction_digits;
  if (round_up) increment_digits(kept);
  std::string integer_part = kept.substr(0, kept.size() - decimals);
  const size_t first_significant = integer_part.find_first_not_of('0');
  integer_part =
      first_significant == std::string::npos ? "0" : integer_part.substr(first_significant);

  std::string text = negative ? "-" : "";
  text += integer_part;
  if (decimals > 0) text.append(".").append(kept, kept.size() - decimals);
  return pad_left(std::move(text), width);
}

std::string format_int(long long n, int width) {
  return pad_left(std::to_string(n), width);
}

int parse_integer(std::string_view text) {
  auto invalid = [&] {
    return platform::error("'" + std::string(text) + "' is not a valid integer value");
  };
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  }
  if (i == text.size()) throw invalid();
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (is_digit(c)) digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) throw invalid();
    value = value * base + digit;
    if (value > std::numeric_limits<int>::max() + 1LL) throw invalid();
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) throw invalid();
  return static_cast<int>(value);
}

}  // namespace mathhkl
