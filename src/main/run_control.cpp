// The Run handler: conditions, starting cell, refusal of impossible targets, then the search.
#include <cmath>
#include <optional>
#include <string>

#include "main/result_lines.hpp"
#include "main/search_run.hpp"
#include "main/show_error.hpp"
#include "mathhkl/angles.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/geometry.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/recognition.hpp"

namespace quarvel {

using mathhkl::crystal_system;
using mathhkl::real48;
using mathhkl::system_set;
using toolkit::cursor;

namespace {

// 34440 vectors: beyond this even the fast search takes longer than anyone waits.
constexpr int kLargestMaxVector = 20;

// The whole-text conversion of a condition field; the value is stored even when it fails.
bool read_condition(const toolkit::toolkit& tk, control field, real48& into) {
  const mathhkl::parse_result r = mathhkl::parse_real(tk.text(field));
  into = r.value;
  return r.code == 0;
}

// The last checked target that the starting system cannot be searched for: the start's own
// system and those after it in the list, except hexagonal and rhombohedral from orthorhombic
// and rhombohedral from hexagonal.
std::optional<crystal_system> refused_target(const toolkit::toolkit& tk, crystal_system start) {
  const system_set allowed =
      start == crystal_system::orthorhombic
          ? system_set{crystal_system::hexagonal, crystal_system::rhombohedral}
      : start == crystal_system::hexagonal ? system_set{crystal_system::rhombohedral}
                                           : system_set{};
  std::optional<crystal_system> bad;
  for (crystal_system s : mathhkl::kSearchableSystems) {
    if (mathhkl::number_of(s) < mathhkl::number_of(start) || allowed.contains(s)) continue;
    if (tk.checked(control::CheckListBox1, mathhkl::check_list_item(s))) bad = s;
  }
  return bad;
}

// Vo with the start's own radian constant; 0 when the cell does not close.
real48 start_volume_of(const mathhkl::cell_params& cell) {
  constexpr long double k = mathhkl::kRadiansPerDegreeLiteral;
  const real48 ca = std::cos(cell[3] * k);
  const real48 cb = std::cos(cell[4] * k);
  const real48 cg = std::cos(cell[5] * k);
  const real48 t = mathhkl::cosine_closure(ca, cb, cg);
  if (!(t > 0.0L)) return 0.0L;
  return real48(((cell[0] * cell[1]) * cell[2]) * std::sqrt(t.value()));
}

}  // namespace

void TForm1::click_systeme() {
  if (searching_) return;  // a Run clicked while the search pumps messages is ignored
  tk_.clear(control::ListBox4);
  tk_.set_visible(control::StatusBar1, false);  // it spoke of the last list
  tk_.set_visible(control::Panel2, true);

  auto condition_error = [&](std::string_view message) {
    show_error(tk_, message);
    tk_.set_focus(control::Edit1);
  };
  if (!read_condition(tk_, control::Edit1, state_.tol_param))
    return condition_error("Error on Parameter tolerance");
  if (!read_condition(tk_, control::Edit2, state_.tol_angle))
    return condition_error("Error on angular tolerance");
  const int max_vector = mathhkl::parse_integer(tk_.text(control::Edit9));
  if (max_vector > kLargestMaxVector)
    return condition_error("Max vector must not exceed " + std::to_string(kLargestMaxVector));
  real48 max_vol_ratio;
  if (!read_condition(tk_, control::Edit11, max_vol_ratio)) return condition_error("Error on V/Vo");
  if (tk_.visible(control::Panel5)) {
    if (!read_condition(tk_, control::Edit12, state_.sum_tol_param))
      return condition_error("Error on Parameter tolerance");
    if (!read_condition(tk_, control::Edit13, state_.sum_tol_angle))
      return condition_error("Error on angular tolerance");
  } else {
    state_.sum_tol_angle = state_.tol_angle;
    state_.sum_tol_param = state_.tol_param;
  }
  tk_.clear(control::ListBox2);
  tk_.clear(control::ListBox6);

  const bool crysfire_mode = tk_.visible(control::Panel4) && !tk_.visible(control::Panel1);
  const bool keyboard_mode = !tk_.visible(control::Panel4) && tk_.visible(control::Panel1);
  if (crysfire_mode) {
    const int selected = tk_.selected_index(control::ListBox1);
    if (selected < 1) return;
    mathhkl::number_slots values{};
    int count = 0;
    int code = 0;
    mathhkl::split_numbers(tk_.line(control::ListBox1, selected), values, count, code);
    for (int i = 0; i < 6; ++i) state_.cell[i] = values[4 + i];
    mathhkl::recognise_cell_system(state_);
  } else if (keyboard_mode && !fields_to_cell()) {
    return;
  }
  mathhkl::recognise_cell_system(state_);
  const mathhkl::system_info& start = mathhkl::system_of_code(state_.system_code);

  if (!tk_.checked(control::CheckListBox1, 0)) {
    if (const auto bad = refused_target(tk_, start.system)) {
      tk_.beep();
      tk_.information_box(
          "From " + std::string(start.name) + " cell, Quarvel cannot search for a " +
          tk_.line(control::CheckListBox1, mathhkl::check_list_item(*bad)) + " cell");
      tk_.set_cursor(cursor::normal);
      return;
    }
  }
  const real48 start_volume = start_volume_of(state_.cell);
  if (!(start_volume > 0.0L)) {
    show_error(tk_, "The starting cell has no volume: check its edges and angles");
    return;
  }

  tk_.add_line(control::ListBox2, kInitialHeading);
  tk_.add_line(control::ListBox6, kFoundHeading);
  tk_.refresh(control::ListBox6);
  tk_.add_line(control::ListBox2, initial_cell_line(state_.system_code, state_.cell, start_volume));
  tk_.refresh(control::ListBox2);
  tk_.refresh(control::Panel2);
  tk_.set_cursor(cursor::hourglass);

  mathhkl::compute_cell_geometry(state_);
  const auto vectors = build_vector_table(max_vector, state_.axes_matrix);
  const mathhkl::tolerances tol{state_.tol_param, state_.tol_angle};
  run search(*this, tol, vectors.size());
  const search_conditions conditions{tol, max_vol_ratio, start_volume,
                                     start.system == crystal_system::hexagonal};

  struct searching_flag {  // cleared however the search ends
    explicit searching_flag(bool& f) : flag(f) { flag = true; }
    ~searching_flag() { flag = false; }
    bool& flag;
  } guard(searching_);
  stop_requested_ = false;
  run_triple_search(vectors, state_.axes_matrix, conditions, search);
  if (!search.ended_early()) search.end();
}

}  // namespace quarvel
