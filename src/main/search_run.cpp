// The search's three calls into the window, and its ending.
#include "main/search_run.hpp"

#include <cmath>

#include "main/result_lines.hpp"
#include "main/show_error.hpp"

namespace quarvel {

using toolkit::cursor;

TForm1::run::run(TForm1& form, mathhkl::tolerances tol, size_t vector_count)
    : form_(form), tk_(form.tk_), tol_(tol) {
  const long double n = static_cast<long double>(vector_count);
  // In floating point: the cube passes the 32-bit range from 1291 vectors on.
  progress_scale_ = n * n * n * 0.005L;
}

bool TForm1::run::add_found(const found_cell& cell) {
  // Target systems, read afresh at every candidate.
  if (!tk_.checked(control::CheckListBox1, 0) &&
      !tk_.checked(control::CheckListBox1, cell.number)) {
    return false;
  }
  std::string line = raw_found_line(cell);
  tk_.add_line(control::ListBox4, line);
  tk_.set_selected_index(control::ListBox4, form_.found_count() - 1);
  if (form_.found_count() == kMostFoundLines) {
    show_error(tk_, kTooManyFoundCells);
    tk_.set_text(
        control::StatusBar1,
        list_full_status(form_.found_count(), tk_.text(control::Edit11), tk_.text(control::Edit9)));
    tk_.set_visible(control::StatusBar1, true);
    tk_.set_cursor(cursor::normal);
    ended_early_ = true;
    return true;
  }
  found_lines_.push_back(std::move(line));
  found_systems_.push_back(cell.number);
  return false;
}

bool TForm1::run::pair_step() {
  tk_.pump_messages();
  if (form_.stop_requested_) {
    ended_early_ = true;
    return true;
  }
  if (!tk_.down(control::SpeedButton1) && !tk_.down(control::SpeedButton2)) return false;
  tk_.beep();
  if (tk_.confirmation_box(" Do you want to abort the search?") == toolkit::answer::yes) {
    tk_.add_line(control::ListBox4, kStoppedByUser);
    tk_.set_cursor(cursor::normal);
    tk_.set_down(control::SpeedButton1, false);
    tk_.refresh(control::SpeedButton1);
    tk_.set_down(control::SpeedButton2, false);
    tk_.refresh(control::SpeedButton2);
    ended_early_ = true;
    return true;
  }
  tk_.set_down(control::SpeedButton1, false);
  tk_.set_down(control::SpeedButton2, false);
  return false;
}

void TForm1::run::inner_steps(long long count) {
  progress_count_ = progress_count_ + static_cast<long double>(count);
  // Round with halves to even; only a change of position reaches the window.
  const int position = static_cast<int>(std::nearbyint(progress_count_ / progress_scale_));
  if (position != shown_position_) {
    shown_position_ = position;
    tk_.set_position(control::ProgressBar1, position);
  }
}

unsigned TForm1::run::wanted_systems() {
  if (tk_.checked(control::CheckListBox1, 0)) return 0x7eu;  // "All": bits 1 to 6
  unsigned wanted = 0;
  for (int system = 1; system <= 6; ++system)
    if (tk_.checked(control::CheckListBox1, system)) wanted |= 1u << system;
  return wanted;
}

void TForm1::run::end() {
  if (found_lines_.empty()) {
    tk_.add_line(control::ListBox4, kNoOtherCell);
    tk_.beep();
    tk_.set_cursor(cursor::normal);
    return;
  }
  tk_.clear(control::ListBox4);
  std::vector<bool> kept(found_lines_.size(), true);
  const bool repeat_identical = tk_.selected_index(control::RadioGroup1) == 0;
  if (!repeat_identical && found_lines_.size() >= 2)
    kept = keep_after_duplicates(found_lines_, tol_);
  int running_number = 0;
  for (int system = 1; system <= 6; ++system) {
    for (size_t i = 0; i < found_lines_.size(); ++i) {
      if (!kept[i] || found_systems_[i] != system) continue;
      const int cross_reference = form_.find_sum_line(found_lines_[i]);
      tk_.add_line(control::ListBox4,
                   final_found_line(found_lines_[i], cross_reference, ++running_number));
    }
  }
  tk_.set_cursor(cursor::normal);
  tk_.beep();
}

}  // namespace quarvel
