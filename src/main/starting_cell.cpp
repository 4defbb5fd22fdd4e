// The starting cell read from and put into the window's controls.
#include "main/starting_cell.hpp"

#include <array>

#include "lattice/number_text.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/sum_solutions.hpp"
#include "platform/error.hpp"
#include "summary_lattice/summary_comparison.hpp"

namespace quarvel {

namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\f\v";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<lattice::cell> typed_cell(const toolkit::toolkit& tk) {
  std::array<double, 6> p{};
  for (size_t k = 0; k < 6; ++k) {
    std::optional<double> x = lattice::parse_number(trimmed(tk.text(toolkit::kCellFields[k])));
    if (!x) return std::nullopt;
    p[k] = *x;
  }
  return lattice::cell{p[0], p[1], p[2], p[3], p[4], p[5]};
}

// The summary read again at full precision; its list shows only three decimals.
std::optional<lattice::cell> numbered_solution_cell(const TForm1& form, int number) {
  try {
    const mathhkl::sum_solutions read =
        mathhkl::read_sum_solutions(mathhkl::read_file(form.shared().sum_file_name));
    for (const mathhkl::sum_solution& s : read.solutions)
      if (s.number == number) return solution_cell(s);
  } catch (const platform::error&) {
  }
  return std::nullopt;
}

mathhkl::crystal_system keyboard_system(lattice::lattice_system s) {
  switch (s) {
    case lattice::lattice_system::cubic:
      return mathhkl::crystal_system::cubic;
    case lattice::lattice_system::tetragonal:
      return mathhkl::crystal_system::tetragonal;
    case lattice::lattice_system::orthorhombic:
      return mathhkl::crystal_system::orthorhombic;
    case lattice::lattice_system::hexagonal:
      return mathhkl::crystal_system::hexagonal;
    case lattice::lattice_system::rhombohedral:
      return mathhkl::crystal_system::rhombohedral;
    case lattice::lattice_system::monoclinic:
      return mathhkl::crystal_system::monoclinic;
    case lattice::lattice_system::triclinic:
      break;
  }
  return mathhkl::crystal_system::triclinic;
}

}  // namespace

lattice::cell searched_cell(const TForm1& form) {
  const mathhkl::cell_params& p = form.shared().cell;
  return {double(p[0].value()), double(p[1].value()), double(p[2].value()),
          double(p[3].value()), double(p[4].value()), double(p[5].value())};
}

std::optional<starting_cell> current_starting_cell(const TForm1& form) {
  const toolkit::toolkit& tk = form.controls();
  if (tk.visible(control::Panel1)) {
    if (std::optional<lattice::cell> c = typed_cell(tk)) return starting_cell{*c, "typed"};
    return std::nullopt;
  }
  if (tk.visible(control::Panel4)) {
    const int row = tk.selected_index(control::ListBox1);
    if (row < 1) return std::nullopt;
    if (std::optional<lattice::cell> c = numbered_solution_cell(form, row))
      return starting_cell{*c, "Crysfire solution " + std::to_string(row)};
    return std::nullopt;
  }
  const lattice::cell searched = searched_cell(form);
  if (searched.a <= 0) return std::nullopt;
  return starting_cell{searched, "last search"};
}

int default_largest_index(const TForm1& form) {
  std::optional<int> n = lattice::parse_integer(trimmed(form.controls().text(control::Edit11)));
  return n && *n >= 1 && *n <= lattice::kLargestIndex ? *n : 1;
}

lattice::centring put_starting_cell(TForm1& form, const lattice::lattice_entry& entry) {
  toolkit::toolkit& tk = form.controls();
  const mathhkl::crystal_system system = keyboard_system(lattice::system_of(entry.bravais));
  const lattice::cell c = entry.rhombohedral ? *entry.rhombohedral : entry.conventional;
  form.dispatch(control::BitBtn2, toolkit::event::click);
  tk.set_selected_index(control::ListBox3, mathhkl::keyboard_list_index(system));
  form.dispatch(control::ListBox3, toolkit::event::click);
  // Which parameter each field shows: the fields a system ties to another (silver) repeat it,
  // so the cell typed is exactly symmetric; angles the system presets keep their text.
  constexpr int kPreset = -1;
  constexpr std::array<std::array<int, 6>, 7> kShown{{
      {0, 0, 0, kPreset, kPreset, kPreset},  // cubic
      {0, 0, 2, kPreset, kPreset, kPreset},  // tetragonal
      {0, 1, 2, kPreset, kPreset, kPreset},  // orthorhombic
      {0, 0, 2, kPreset, kPreset, kPreset},  // hexagonal
      {0, 0, 0, 3, 3, 3},                    // rhombohedral
      {0, 1, 2, kPreset, 4, kPreset},        // monoclinic
      {0, 1, 2, 3, 4, 5},                    // triclinic
  }};
  const std::array<double, 6> p = c.parameters();
  const auto row = static_cast<size_t>(mathhkl::keyboard_list_index(system));
  for (size_t k = 0; k < 6; ++k) {
    const int shown_parameter = kShown[row][k];
    if (shown_parameter == kPreset) continue;
    const auto i = static_cast<size_t>(shown_parameter);
    tk.set_text(toolkit::kCellFields[k], lattice::fixed(p[i], i < 3 ? 4 : 3));
  }
  return entry.rhombohedral ? lattice::centring::P : entry.cell_centring;
}

}  // namespace quarvel
