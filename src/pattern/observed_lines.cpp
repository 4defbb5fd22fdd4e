// The line list reader: every row checked, the message names the row.
#include "pattern/observed_lines.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "lattice/number_text.hpp"
#include "pattern/diffraction.hpp"

namespace pattern {

namespace {

std::vector<std::string_view> fields_of(std::string_view row) {
  row = row.substr(0, row.find_first_of("#!"));
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while ((at = row.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
    const std::size_t end = std::min(row.find_first_of(" \t\r", at), row.size());
    fields.push_back(row.substr(at, end - at));
    at = end;
  }
  return fields;
}

[[noreturn]] void refuse(int row, const std::string& message) {
  throw pattern_error("row " + std::to_string(row) + ": " + message);
}

double two_theta_of(double value, int row, line_unit unit, double wavelength) {
  const std::string text = lattice::compact(value);
  if (unit == line_unit::two_theta) {
    if (value <= 0 || value >= 180)
      refuse(row, "2theta must lie between 0 and 180 degrees, found " + text);
    return value;
  }
  if (value <= 0) refuse(row, "d must be above 0 angstroms, found " + text);
  const double two_theta = two_theta_of_q(1 / (value * value), wavelength);
  if (!(two_theta < 180))
    refuse(row, "d = " + text + " angstroms is below half the wavelength: no reflection");
  // So long a d puts the line at 2theta 0 (1/d² underflows), where nothing is measured.
  if (!(two_theta > 0)) refuse(row, "d is too long: 2theta would be 0");
  return two_theta;
}

}  // namespace

std::vector<observed_line> read_observed_lines(std::string_view text, line_unit unit,
                                               double wavelength) {
  if (!(wavelength > 0) || !std::isfinite(wavelength))
    throw pattern_error("the wavelength must be a number of angstroms above 0");
  std::vector<observed_line> lines;
  bool first = true;
  int row = 0;
  for (std::size_t start = 0; start <= text.size(); ++row) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::vector<std::string_view> fields = fields_of(text.substr(start, end - start));
    start = end + 1;
    if (fields.empty()) continue;
    std::vector<std::optional<double>> numbers;
    for (std::string_view f : fields) numbers.push_back(lattice::parse_number(f));
    const bool header = std::none_of(numbers.begin(), numbers.end(), [](auto& n) { return n; });
    if (std::exchange(first, false) && header) continue;
    if (fields.size() > 2)
      refuse(row + 1, "expected 2theta or d and an optional intensity, found " +
                          std::to_string(fields.size()) + " fields");
    for (std::size_t k = 0; k < fields.size(); ++k)
      if (!numbers[k]) refuse(row + 1, "'" + std::string(fields[k]) + "' is not a number");
    observed_line line{two_theta_of(*numbers[0], row + 1, unit, wavelength), std::nullopt, row + 1};
    if (fields.size() == 2) {
      if (*numbers[1] < 0) refuse(row + 1, "the intensity must not be negative");
      line.intensity = *numbers[1];
    }
    lines.push_back(line);
  }
  if (lines.empty()) throw pattern_error("no observed lines");
  if (lines.size() < kFewestLines)
    throw pattern_error(std::to_string(lines.size()) + " observed lines: at least 3 are needed");
  std::stable_sort(lines.begin(), lines.end(), [](const observed_line& x, const observed_line& y) {
    return x.two_theta < y.two_theta;
  });
  return lines;
}

}  // namespace pattern
