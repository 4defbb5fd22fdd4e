// The solutions of a Crysfire summary with their numbers as the list gives them, and the lines
// that look like solutions but cannot be read, with the reason.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mathhkl {

struct sum_solution {
  int number = 0;  // the running number of the list: the summary's cell lines from 1
  int line = 0;    // the summary's line, from 1
  std::array<long double, 6> cell{};  // a, b, c, alpha, beta, gamma as read
  // The second number of characters 1-10 (after the count of lines indexed), when there is one.
  std::optional<double> figure_of_merit;
};

struct sum_rejected_line {
  int line = 0;
  std::string reason;
};

struct sum_solutions {
  std::vector<sum_solution> solutions;
  std::vector<sum_rejected_line> rejected;
};

// Lines end at CR, LF or CR LF; a line is a solution by the list's own rule. A line whose number
// field starts with numbers but is not a whole cell is rejected rather than skipped in silence.
sum_solutions read_sum_solutions(std::string_view bytes);

}  // namespace mathhkl
