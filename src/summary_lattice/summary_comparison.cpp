// The summary read with the window's own field rules, then compared.
#include "summary_lattice/summary_comparison.hpp"

#include "mathhkl/file_io.hpp"

namespace quarvel {

lattice::cell solution_cell(const mathhkl::sum_solution& s) {
  const auto& p = s.cell;
  return {double(p[0]), double(p[1]), double(p[2]), double(p[3]), double(p[4]), double(p[5])};
}

lattice::solution_comparison compare_summary(const std::string& path,
                                             const lattice::comparison_options& options) {
  return compare_summary(mathhkl::read_sum_solutions(mathhkl::read_file(path)), options);
}

lattice::solution_comparison compare_summary(const mathhkl::sum_solutions& read,
                                             const lattice::comparison_options& options) {
  std::vector<lattice::numbered_cell> cells;
  for (const mathhkl::sum_solution& s : read.solutions)
    cells.push_back({s.number, solution_cell(s), s.line});
  lattice::solution_comparison out = lattice::compare_solutions(cells, options);
  for (const mathhkl::sum_rejected_line& r : read.rejected)
    out.unusable.push_back({0, r.line, r.reason});
  return out;
}

lattice::solution_comparison compare_usable_summary(const std::string& path,
                                                    const lattice::comparison_options& options) {
  lattice::solution_comparison out = compare_summary(path, options);
  if (out.solutions.empty()) throw no_solutions_error("no solutions read from " + path);
  return out;
}

}  // namespace quarvel
