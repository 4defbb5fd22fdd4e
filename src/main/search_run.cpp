// The search's calls into the window, and its ending.
#include "main/search_run.hpp"

#include <algorithm>

#include "main/result_lines.hpp"
#include "main/show_error.hpp"

namespace quarvel {

using mathhkl::crystal_system;
using toolkit::cursor;

TForm1::run::run(TForm1& form, mathhkl::tolerances tol, size_t vector_count)
    : form_(form),
      tk_(form.tk_),
      tol_(tol),
      vector_count_cubed_(static_cast<long long>(vector_count) *
                          static_cast<long long>(vector_count) *
                          static_cast<long long>(vector_count)) {
  read_controls();
}

void TForm1::run::read_controls() {
  wanted_ = {};
  for (crystal_system s : mathhkl::kSearchableSystems) {
    if (tk_.checked(control::CheckListBox1, 0) ||
        tk_.checked(control::CheckListBox1, mathhkl::check_list_item(s))) {
      wanted_.insert(s);
    }
  }
  abort_pressed_ = tk_.down(control::SpeedButton1) || tk_.down(control::SpeedButton2);
}

bool TForm1::run::add_found(const found_cell& cell) {
  if (!wanted_.contains(cell.system)) return false;
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
  found_systems_.push_back(cell.system);
  return false;
}

bool TForm1::run::preparation_step() {
  if (tk_.pump_messages()) read_controls();
  ended_early_ = form_.stop_requested_;
  return ended_early_;
}

long long TForm1::run::pair_steps(long long count, long long visits) {
  long long taken = 0;
  while (taken < count) {
    // A step in full: the pump, the window closing, the abort question.
    bool changed = tk_.pump_messages();
    if (changed) read_controls();
    if (form_.stop_requested_) {
      ended_early_ = true;
      return -1;
    }
    if (abort_pressed_) {
      if (ask_abort()) return -1;
      changed = true;
    }
    count_visits(visits);
    ++taken;
    if (changed) break;  // the targets may differ for the pairs that follow
    // Then the steps whose pumps are quiet, short of the one that moves the bar: nothing else
    // can change in them.
    const long long before_bar_moves = (next_position_count_ - progress_count_ - 1) / visits;
    const long long quiet = tk_.take_quiet_pumps(std::min(count - taken, before_bar_moves));
    progress_count_ += quiet * visits;
    taken += quiet;
  }
  return taken;
}

void TForm1::run::count_visits(long long visits) {
  progress_count_ += visits;
  if (progress_count_ >= next_position_count_) show_progress();
}

bool TForm1::run::ask_abort() {
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
  read_controls();
  return false;
}

int TForm1::run::position_at(long long count) const {
  // Below 2^63: count stays under N^3 / 2, N under 34500.
  const long long scaled = 200 * count;
  long long position = scaled / vector_count_cubed_;
  const long long twice_rest = 2 * (scaled % vector_count_cubed_);
  if (twice_rest > vector_count_cubed_ || (twice_rest == vector_count_cubed_ && position % 2 != 0))
    ++position;
  return static_cast<int>(position);
}

void TForm1::run::show_progress() {
  const int position = position_at(progress_count_);
  if (position != shown_position_) {
    shown_position_ = position;
    tk_.set_position(control::ProgressBar1, position);
  }
  // The first count past position + 1/2, found from just below it.
  next_position_count_ = (2LL * position + 1) * vector_count_cubed_ / 400;
  while (position_at(next_position_count_) <= position) ++next_position_count_;
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
  for (crystal_system system : mathhkl::kSearchableSystems) {
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
