// An observed line list: one line a row, 2θ in degrees or d in Å, an optional intensity.
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pattern {

// Cu Kα1, in Å.
inline constexpr double kDefaultWavelength = 1.540598;
inline constexpr int kFewestLines = 3;

// Anything the pattern code cannot use: a bad row, too few lines, a refused option.
class pattern_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class line_unit { two_theta, d };

struct observed_line {
  double two_theta = 0;  // degrees
  std::optional<double> intensity;
  int row = 0;  // of the file, from 1
};

// The lines sorted by 2θ (rows with equal 2θ keep their order). `#` and `!` start a comment; a
// first row with no number in it is a header. Throws pattern_error naming the row ("row 4: …"),
// or for a list of fewer than kFewestLines lines; the wavelength must be above 0.
std::vector<observed_line> read_observed_lines(std::string_view text, line_unit unit,
                                               double wavelength);

}  // namespace pattern
