// Matching a found cell with the Crysfire solutions: the first within the comparison
// tolerances and a fixed volume window of 10 cubic angstroms.
#include <cmath>

#include "main/form.hpp"
#include "mathhkl/number_text.hpp"

namespace quarvel {

int TForm1::find_sum_line(std::string_view found_line) const {
  if (state_.sum_line_count == 0) return 0;
  // After the code: a, b, c and the angles in 7 characters each, the volume in 8.
  mathhkl::number_slots f{};
  int count = 0;
  int code = 0;
  mathhkl::split_numbers(found_line.size() > 4 ? found_line.substr(4, 50) : "", f, count, code);
  for (int k = 1; k <= state_.sum_line_count; ++k) {
    mathhkl::number_slots l{};
    mathhkl::split_numbers(tk_.line(control::ListBox1, k), l, count, code);
    if (std::fabs(f[6] - l[10]) > 10.0L) continue;
    bool matches = true;
    for (int i = 0; i < 6 && matches; ++i) {
      const long double limit = i < 3 ? state_.sum_tol_param : state_.sum_tol_angle;
      matches = std::fabs(f[i] - l[4 + i]) <= limit;
    }
    if (matches) return k;
  }
  return 0;
}

}  // namespace quarvel
