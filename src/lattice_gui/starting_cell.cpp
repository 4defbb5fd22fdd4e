// Reads and writes the window's cell through its widgets, found by their control names, so that
// the form's own handlers run exactly as they do for the user's clicks and typing.
#include "lattice_gui/starting_cell.hpp"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <array>

#include "lattice/number_reading.hpp"
#include "lattice_output/number_text.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/sum_solutions.hpp"
#include "platform/error.hpp"
#include "toolkit/qt/field_text.hpp"

namespace quarvel::gui {

namespace {

constexpr std::array<control, 6> kFields{control::Edit3, control::Edit4, control::Edit5,
                                         control::Edit6, control::Edit7, control::Edit8};

template <typename Widget>
Widget* find(const QMainWindow& window, control c) {
  return window.findChild<Widget*>(QString::fromLatin1(toolkit::name_of(c)));
}

bool shown(const QMainWindow& window, control panel) {
  const QWidget* w = find<QWidget>(window, panel);
  return w != nullptr && !w->isHidden();
}

std::optional<lattice::cell> typed_cell(const QMainWindow& window) {
  std::array<double, 6> p{};
  for (size_t k = 0; k < 6; ++k) {
    const QLineEdit* field = find<QLineEdit>(window, kFields[k]);
    if (field == nullptr) return std::nullopt;
    std::optional<double> x = lattice::parse_number(field->text().trimmed().toStdString());
    if (!x) return std::nullopt;
    p[k] = *x;
  }
  return lattice::cell{p[0], p[1], p[2], p[3], p[4], p[5]};
}

// The summary read again at full precision; its list shows only three decimals.
std::optional<lattice::cell> solution_cell(const TForm1& form, int number) {
  try {
    const mathhkl::sum_solutions read =
        mathhkl::read_sum_solutions(mathhkl::read_file(form.shared().sum_file_name));
    for (const mathhkl::sum_solution& s : read.solutions)
      if (s.number == number) {
        const auto& c = s.cell;
        return lattice::cell{double(c[0]), double(c[1]), double(c[2]),
                             double(c[3]), double(c[4]), double(c[5])};
      }
  } catch (const platform::error&) {
  }
  return std::nullopt;
}

// The row of the system list ("Cubic" … "Tricl.") for a lattice system.
int system_row(lattice::lattice_system s) {
  switch (s) {
    case lattice::lattice_system::cubic:
      return 0;
    case lattice::lattice_system::tetragonal:
      return 1;
    case lattice::lattice_system::orthorhombic:
      return 2;
    case lattice::lattice_system::hexagonal:
      return 3;
    case lattice::lattice_system::rhombohedral:
      return 4;
    case lattice::lattice_system::monoclinic:
      return 5;
    case lattice::lattice_system::triclinic:
      break;
  }
  return 6;
}

}  // namespace

std::optional<starting_cell> current_starting_cell(const QMainWindow& window, const TForm1& form) {
  if (shown(window, control::Panel1)) {
    if (std::optional<lattice::cell> c = typed_cell(window)) return starting_cell{*c, "typed"};
    return std::nullopt;
  }
  if (shown(window, control::Panel4)) {
    const QListWidget* list = find<QListWidget>(window, control::ListBox1);
    const int row = list ? list->currentRow() : -1;
    if (row < 1) return std::nullopt;
    if (std::optional<lattice::cell> c = solution_cell(form, row))
      return starting_cell{*c, QStringLiteral("Crysfire solution %1").arg(row)};
    return std::nullopt;
  }
  const mathhkl::cell_params& p = form.shared().cell;
  if (p[0].value() <= 0) return std::nullopt;
  return starting_cell{{double(p[0].value()), double(p[1].value()), double(p[2].value()),
                        double(p[3].value()), double(p[4].value()), double(p[5].value())},
                       QStringLiteral("last search")};
}

int default_largest_index(const QMainWindow& window) {
  const QLineEdit* field = find<QLineEdit>(window, control::Edit11);
  if (field == nullptr) return 1;
  std::optional<int> n = lattice::parse_integer(field->text().trimmed().toStdString());
  return n && *n >= 1 && *n <= lattice::kLargestIndex ? *n : 1;
}

lattice::centring put_starting_cell(QMainWindow& window, const lattice::lattice_entry& entry) {
  const lattice::lattice_system system = lattice::system_of(entry.bravais);
  const lattice::cell c = entry.rhombohedral ? *entry.rhombohedral : entry.conventional;
  if (auto* keyboard = find<QAbstractButton>(window, control::BitBtn2)) keyboard->click();
  const int row = system_row(system);
  if (auto* systems = find<QListWidget>(window, control::ListBox3)) systems->setCurrentRow(row);
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
  for (size_t k = 0; k < 6; ++k) {
    const int shown_parameter = kShown[static_cast<size_t>(row)][k];
    if (shown_parameter == kPreset) continue;
    const auto i = static_cast<size_t>(shown_parameter);
    if (auto* field = find<QLineEdit>(window, kFields[k]))
      toolkit::qt::put_field_text(*field,
                                  QString::fromStdString(lattice::fixed(p[i], i < 3 ? 4 : 3)));
  }
  return entry.rhombohedral ? lattice::centring::P : entry.cell_centring;
}

}  // namespace quarvel::gui
