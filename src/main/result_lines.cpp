// Result lines. Columns come from field widths alone: no tabs, no separators.
#include "main/result_lines.hpp"

#include <cmath>

#include "mathhkl/number_text.hpp"

namespace quarvel {

using mathhkl::format_fixed;

namespace {

std::string cell_fields(std::string_view code, const real48& a, const real48& b, const real48& c,
                        const real48& alpha, const real48& beta, const real48& gamma) {
  std::string line(code);
  for (const real48* edge : {&a, &b, &c}) line += format_fixed(*edge, 7, 3);
  for (const real48* angle : {&alpha, &beta, &gamma}) line += format_fixed(*angle, 7, 2);
  return line;
}

// Characters 5 to 48 of a found line: a, b, c, the angles and the V field's first two places.
std::array<long double, 6> printed_parameters(const std::string& line) {
  mathhkl::number_slots values{};
  int count = 0;
  int code = 0;
  mathhkl::split_numbers(line.size() > 4 ? std::string_view(line).substr(4, 44) : "", values, count,
                         code);
  return {values[0], values[1], values[2], values[3], values[4], values[5]};
}

}  // namespace

std::string initial_cell_line(std::string_view system_code, const mathhkl::cell_params& cell,
                              long double start_volume) {
  return cell_fields(system_code, cell[0], cell[1], cell[2], cell[3], cell[4], cell[5]) +
         format_fixed(start_volume, 9, start_volume < 10000.0L ? 1 : 0);
}

std::string raw_found_line(const found_cell& cell) {
  std::string line =
      cell_fields(cell.code, cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma);
  line += format_fixed(cell.volume, 8, cell.volume < 10000.0L ? 1 : 0);
  line += format_fixed(cell.ratio, 6, 2);
  line += "  ";
  for (const auto& row : cell.matrix) {
    line += "(";
    for (const auto& element : row) line += format_fixed(element, 5, 2);
    line += "),";
  }
  line.pop_back();
  return line;
}

std::string final_found_line(const std::string& raw, int cross_reference, int running_number) {
  std::string line = raw;
  line += cross_reference > 0 ? mathhkl::format_int(cross_reference, 3) + "  " : "     ";
  line += mathhkl::format_int(running_number, 3);
  return line;
}

std::vector<bool> keep_after_duplicates(const std::vector<std::string>& raw_lines,
                                        mathhkl::tolerances tol) {
  std::vector<std::array<long double, 6>> printed;
  printed.reserve(raw_lines.size());
  for (const auto& line : raw_lines) printed.push_back(printed_parameters(line));
  std::vector<bool> kept(raw_lines.size(), true);
  for (size_t i = 0; i < printed.size(); ++i) {
    if (!kept[i]) continue;
    for (size_t j = i + 1; j < printed.size(); ++j) {
      if (!kept[j]) continue;
      bool same = true;
      for (int k = 0; k < 6 && same; ++k) {
        same = std::fabs(printed[i][k] - printed[j][k]) < (k < 3 ? tol.param : tol.angle);
      }
      if (same) kept[j] = false;
    }
  }
  return kept;
}

std::string list_full_status(int kept, std::string_view max_ratio, std::string_view max_vector) {
  return "The list is full: " + std::to_string(kept) +
         " found cells kept. To find fewer, lower Max V/Vo (now " + std::string(max_ratio) +
         ") or Max vector (now " + std::string(max_vector) + "), or check fewer target systems.";
}

}  // namespace quarvel
