// Each value checked here, so the pattern code sees only usable numbers.
#include "lines_options.hpp"

#include "lattice/number_text.hpp"

namespace quarvel::cli {

bool parse_lines_option(const std::vector<std::string>& arguments, std::size_t& i, lines_command& c,
                        std::string& error) {
  const std::string& option = arguments[i];
  const bool has_value = i + 1 < arguments.size();
  const std::string value = has_value ? arguments[i + 1] : "";
  auto number = [&]() { return has_value ? lattice::parse_number(value) : std::nullopt; };
  auto note = [&]() {
    if (option != "--lines" && c.needs_lines.empty()) c.needs_lines = option;
  };
  if (option == "--lines") {
    if (!has_value) error = "--lines needs a file name";
    c.file = value;
  } else if (option == "--lines-in") {
    if (value == "d")
      c.unit = pattern::line_unit::d;
    else if (value == "2theta")
      c.unit = pattern::line_unit::two_theta;
    else
      error = "--lines-in needs 2theta or d";
  } else if (option == "--wavelength") {
    const std::optional<double> x = number();
    if (!x || *x <= 0) error = "--wavelength needs a number of angstroms above 0";
    c.evidence.indexing.wavelength = x.value_or(0);
  } else if (option == "--tolerance") {
    const std::optional<double> x = number();
    if (!x || *x <= 0 || *x > 2)
      error = "--tolerance needs a number of degrees 2theta above 0 and at most 2";
    c.evidence.indexing.tolerance = x.value_or(0);
  } else if (option == "--sort") {
    if (value == "m")
      c.sort = pattern::sort_key::m;
    else if (value == "f")
      c.sort = pattern::sort_key::f;
    else if (value == "delta")
      c.sort = pattern::sort_key::delta;
    else
      error = "--sort needs m, f or delta";
  } else if (option == "--refine" || option == "--zero") {
    (option == "--refine" ? c.evidence.refine : c.evidence.refine_zero) = true;
    note();
    return true;
  } else {
    return false;
  }
  note();
  ++i;
  return true;
}

std::string lines_conflict(const lines_command& c, bool with_cell, bool with_sum) {
  if (c.file.empty()) return c.needs_lines.empty() ? "" : c.needs_lines + " goes with --lines";
  if (!with_cell && !with_sum) return "--lines goes with --cell or --sum";
  if (c.evidence.refine && !with_cell) return "--refine goes with --cell";
  if (c.evidence.refine_zero && !c.evidence.refine) return "--zero goes with --refine";
  return "";
}

}  // namespace quarvel::cli
