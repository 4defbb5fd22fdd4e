// A toolkit without a display: controls live in memory, every call is recorded, and a script
// answers the modal boxes and dialogs and plays the user's clicks, typing and focus moves.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>

#include "toolkit/toolkit.hpp"

namespace toolkit {

// A modal call that the script did not foresee: the test is wrong, not the program.
class script_error : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class headless_toolkit : public toolkit {
 public:
  // --- the toolkit ---
  void set_event_sink(event_sink* sink) override { sink_ = sink; }
  void set_visible(control c, bool visible) override;
  bool visible(control c) const override { return state(c).visible; }
  void refresh(control c) override;
  std::string text(control c) const override { return state(c).text; }
  void set_text(control c, std::string_view text) override;
  void set_colour(control c, colour colour) override;
  bool has_focus(control c) const override { return focused_ == c; }
  void set_focus(control c) override;
  void clear(control list) override;
  void add_line(control list, std::string_view line) override;
  int line_count(control list) const override;
  std::string line(control list, int index) const override;
  int selected_index(control list) const override { return state(list).selected; }
  void set_selected_index(control list, int index) override;
  bool checked(control list, int item) const override;
  void set_checked(control list, int item, bool checked) override;
  bool down(control button) const override { return state(button).down; }
  void set_down(control button, bool down) override;
  void set_position(control bar, int position) override;
  void show_window(control window) override;
  void close_window(control window) override;
  void set_cursor(cursor shape) override;
  void beep() override;
  void error_box(std::string_view message) override;
  answer confirmation_box(std::string_view message) override;
  void information_box(std::string_view message) override;
  std::optional<std::string> open_dialog(control dialog, int filter_index) override;
  std::optional<std::string> save_dialog(control dialog) override;
  void launch(const std::string& program, const std::vector<std::string>& arguments,
              std::function<void()> failed) override;

  // --- the script: answers, taken in order; a modal call with none queued throws ---
  void queue_answer(answer a) { answers_.push_back(a); }
  void queue_file(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  // Every program launched from now on fails, and reports it at once.
  void fail_launches() { launches_fail_ = true; }
  // Runs `action` at the n-th message pump (counted from 1 since construction).
  void on_pump(int n, std::function<void()> action);

  // --- the user ---
  void activate();        // the window becomes active (start, return to it)
  void click(control c);  // buttons take the focus first; menu items do not
  void focus(control c);  // leaving a field fires its exit event
  void type(control field, std::string_view text);  // focus the field, replace its text
  void toggle_check(control list, int item);        // a check mark clicked
  void select(control list, int index);             // a list line clicked

  // --- what happened ---
  const std::vector<std::string>& calls() const { return calls_; }
  std::vector<std::string> lines(control list) const { return state(list).lines; }
  colour colour_of(control c) const { return state(c).shade; }
  int position(control bar) const { return state(bar).position; }
  cursor current_cursor() const { return cursor_; }
  std::optional<control> focused() const { return focused_; }
  int pump_count() const { return static_cast<int>(pumps_ - quiet_pumps()); }
  bool closed() const { return closed_; }
  // The boxes shown, in order: "error_box TEXT", "information_box TEXT", ...
  std::vector<std::string> messages() const;

 protected:
  bool pump_events() override;

 private:
  struct control_state {
    bool visible = true;
    std::string text;
    colour shade = colour::white;
    std::vector<std::string> lines;
    int selected = -1;
    std::vector<bool> checks;
    bool down = false;
    int position = 0;
  };
  const control_state& state(control c) const;
  control_state& state(control c) { return states_[static_cast<size_t>(c)]; }
  void record(std::string entry) { calls_.push_back(std::move(entry)); }
  void deliver(control c, event e);
  void after_modal();
  // Every pump before the next scripted action is quiet.
  void declare_quiet_pumps();
  template <typename T>
  T take(std::deque<T>& queue, std::string_view what);

  event_sink* sink_ = nullptr;
  std::array<control_state, kControlCount> states_;
  std::optional<control> focused_;
  bool focus_reclaimed_ = false;
  std::deque<answer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::multimap<int, std::function<void()>> pump_actions_;
  std::vector<std::string> calls_;
  cursor cursor_ = cursor::normal;
  long long pumps_ = 0;  // the quiet pumps declared are counted in advance
  bool closed_ = false;
  bool launches_fail_ = false;
};

}  // namespace toolkit
