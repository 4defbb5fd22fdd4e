// Keyboard entry of the starting cell: the system list's field constraints, the check made
// when a field is left, and the moves between the fields and the shared cell.
#include <array>
#include <cctype>

#include "main/form.hpp"
#include "main/show_error.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"

namespace quarvel {
namespace {

// What choosing a system does to the six fields (field numbers 1..6 = a, b, c, alpha, beta,
// gamma): which turn silver, and which receive a fixed text.
struct system_fields {
  std::string_view code;
  std::array<bool, 7> silver;         // index: field number
  std::array<const char*, 7> preset;  // nullptr: text left as it is
};

constexpr std::array<system_fields, 7> kSystemFields{{
    {"CUBI", {0, 0, 1, 1, 1, 1, 1}, {nullptr, nullptr, nullptr, nullptr, "90", "90", "90"}},
    {"TETR", {0, 0, 1, 0, 1, 1, 1}, {nullptr, nullptr, nullptr, nullptr, "90", "90", "90"}},
    {"ORTH", {0, 0, 0, 0, 1, 1, 1}, {nullptr, nullptr, nullptr, nullptr, "90", "90", "90"}},
    {"HEXA", {0, 0, 1, 0, 1, 1, 1}, {nullptr, nullptr, nullptr, nullptr, "90", "90", "120"}},
    {"RHOM", {0, 0, 1, 1, 0, 1, 1}, {}},
    {"MONO", {0, 0, 0, 0, 1, 0, 1}, {nullptr, nullptr, nullptr, nullptr, "90", nullptr, "90"}},
    {"TRIC", {}, {}},
}};

std::string code_of_item(const std::string& item) {
  std::string code = item.substr(0, 4);
  for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return code;
}

}  // namespace

control TForm1::field(int number) const {
  return toolkit::kCellFields[number - 1];
}

void TForm1::show_keyboard_mode() {
  tk_.clear(control::ListBox4);
  tk_.clear(control::ListBox2);
  tk_.set_visible(control::Panel1, true);
  tk_.set_visible(control::Panel3, true);
  tk_.set_visible(control::Panel4, false);
  tk_.set_visible(control::Panel5, false);
  tk_.set_visible(control::Label10, false);
}

void TForm1::clavier() {
  tk_.set_visible(control::Edit10, false);
  show_keyboard_mode();
}

void TForm1::get_nom_systeme() {
  tk_.clear(control::ListBox4);
  tk_.clear(control::ListBox2);
  const int selected = tk_.selected_index(control::ListBox3);
  if (selected < 0) return;
  state_.system_code = code_of_item(tk_.line(control::ListBox3, selected));
  for (int n = 1; n <= 6; ++n) tk_.set_colour(field(n), toolkit::colour::white);
  for (const auto& row : kSystemFields) {
    if (row.code != state_.system_code) continue;
    for (int n = 1; n <= 6; ++n)
      if (row.silver[n]) tk_.set_colour(field(n), toolkit::colour::silver);
    for (int n = 1; n <= 6; ++n)
      if (row.preset[n] != nullptr) tk_.set_text(field(n), row.preset[n]);
  }
  // Edges that the system makes equal to a take its text as it stands.
  if (state_.system_code == "CUBI") {
    tk_.set_text(control::Edit4, tk_.text(control::Edit3));
    tk_.set_text(control::Edit5, tk_.text(control::Edit3));
  } else if (state_.system_code == "HEXA") {
    tk_.set_text(control::Edit4, tk_.text(control::Edit3));
  } else if (state_.system_code == "MONO") {
    verification();
  }
}

void TForm1::set_numero() {
  tk_.clear(control::ListBox4);
  tk_.clear(control::ListBox2);
  for (int n = 1; n <= 6; ++n)
    if (tk_.has_focus(field(n))) numero_ = n;
}

void TForm1::verification() {
  std::string text = numero_ == 0 ? std::string() : tk_.text(field(numero_));
  mathhkl::repair_number(text);
  const mathhkl::parse_result r = mathhkl::parse_real(text);
  if (r.code != 0) {
    // A field whose panel is being hidden cannot take the focus back.
    if (numero_ != 0 && tk_.visible(control::Panel1)) tk_.set_focus(field(numero_));
    show_error(tk_, "Type error!");
    return;
  }
  if (numero_ == 0) return;  // no field entered yet: nothing to copy or store
  const std::string& code = state_.system_code;
  const bool all_edges_equal = code == "CUBI" || code == "RHOM";
  // The field left keeps its text as typed; the fields it fixes take the repaired text, and
  // the cell takes every value so that a saved cell matches the fields.
  auto copy_to = [&](int n) {
    tk_.set_text(field(n), text);
    state_.cell[n - 1] = r.value;
  };
  state_.cell[numero_ - 1] = r.value;
  switch (numero_) {
    case 1:
      if (all_edges_equal || code == "TETR" || code == "HEXA") copy_to(2);
      if (all_edges_equal) copy_to(3);
      break;
    case 2:
      if (all_edges_equal) copy_to(3);
      break;
    case 4:
      if (code == "RHOM") {
        copy_to(5);
        copy_to(6);
      }
      break;
    default:
      break;
  }
}

void TForm1::cell_to_fields() {
  const mathhkl::system_info& system = mathhkl::system_of_code(state_.system_code);
  if (system.code == state_.system_code) {
    tk_.set_selected_index(control::ListBox3, mathhkl::keyboard_list_index(system.system));
  }
  for (int n = 1; n <= 6; ++n) {
    tk_.set_text(field(n), mathhkl::format_fixed(state_.cell[n - 1], 8, n <= 3 ? 4 : 2));
  }
}

bool TForm1::fields_to_cell() {
  const int selected = tk_.selected_index(control::ListBox3);
  if (selected < 0) {
    show_error(tk_, "Choose a crystal system first");
    tk_.set_focus(control::ListBox3);
    return false;
  }
  state_.system_code = code_of_item(tk_.line(control::ListBox3, selected));
  for (int n = 1; n <= 6; ++n) {
    std::string text = tk_.text(field(n));
    if (text.empty()) break;
    mathhkl::repair_number(text);
    const mathhkl::parse_result r = mathhkl::parse_real(text);
    state_.cell[n - 1] = r.value;
    // The status of a is not tested: a bad a still lets b to gamma be read.
    if (n >= 2 && n <= 5 && r.code != 0) break;
  }
  return true;
}

}  // namespace quarvel
