// The recording toolkit. Modal boxes return at once with the scripted answer and then, as on a
// desktop, give the activation back to the main window.
#include "toolkit/headless_toolkit.hpp"

#include <algorithm>
#include <string>

#include "platform/error.hpp"

namespace toolkit {
namespace {

std::string named(std::string_view verb, control c) {
  return std::string(verb) + " " + std::string(name_of(c));
}

// Controls that take the keyboard focus when clicked; menu items and speed buttons do not.
bool takes_focus(control c) {
  switch (c) {
    case control::BitBtn1:
    case control::BitBtn2:
    case control::BitBtn3:
    case control::BitBtn4:
    case control::BitBtn5:
    case control::BitBtn6:
    case control::BitBtn7:
    case control::ListBox3:
    case control::ListBox1:
    case control::CheckListBox1:
      return true;
    default:
      return false;
  }
}

}  // namespace

const headless_toolkit::control_state& headless_toolkit::state(control c) const {
  return states_[static_cast<size_t>(c)];
}

void headless_toolkit::deliver(control c, event e) {
  if (sink_ != nullptr) sink_->dispatch(c, e);
}

void headless_toolkit::set_visible(control c, bool visible) {
  record(named(visible ? "show" : "hide", c));
  state(c).visible = visible;
}

void headless_toolkit::refresh(control c) {
  record(named("refresh", c));
}

void headless_toolkit::set_text(control c, std::string_view text) {
  record(named("set_text", c) + " '" + std::string(text) + "'");
  state(c).text = text;
}

void headless_toolkit::set_colour(control c, colour colour) {
  record(named(colour == colour::silver ? "silver" : "white", c));
  state(c).shade = colour;
}

void headless_toolkit::set_focus(control c) {
  record(named("focus", c));
  focus_reclaimed_ = true;
  if (focused_ == c) return;
  const std::optional<control> old = focused_;
  focused_ = c;
  if (old) deliver(*old, event::exit);
  deliver(c, event::enter);
}

void headless_toolkit::clear(control list) {
  record(named("clear", list));
  state(list).lines.clear();
  state(list).selected = -1;
}

void headless_toolkit::add_line(control list, std::string_view line) {
  state(list).lines.emplace_back(line);
}

int headless_toolkit::line_count(control list) const {
  return static_cast<int>(state(list).lines.size());
}

std::string headless_toolkit::line(control list, int index) const {
  const auto& lines = state(list).lines;
  if (index < 0 || index >= static_cast<int>(lines.size())) {
    throw platform::error("List index out of bounds (" + std::to_string(index) + ")");
  }
  return lines[index];
}

void headless_toolkit::set_selected_index(control list, int index) {
  const int count = line_count(list);
  state(list).selected = index >= 0 && index < count ? index : -1;
}

bool headless_toolkit::checked(control list, int item) const {
  const auto& checks = state(list).checks;
  return item >= 0 && item < static_cast<int>(checks.size()) && checks[item];
}

void headless_toolkit::set_checked(control list, int item, bool checked) {
  auto& checks = state(list).checks;
  if (item < 0) return;
  if (item >= static_cast<int>(checks.size())) checks.resize(item + 1);
  checks[item] = checked;
}

void headless_toolkit::set_down(control button, bool down) {
  record(named(down ? "down" : "up", button));
  state(button).down = down;
}

void headless_toolkit::set_position(control bar, int position) {
  state(bar).position = position;
}

void headless_toolkit::show_window(control window) {
  record(named("show_window", window));
  state(window).visible = true;
}

void headless_toolkit::close_window(control window) {
  record(named("close_window", window));
  state(window).visible = false;
  if (window != control::Form1) return;
  closed_ = true;
  deliver(control::Form1, event::close);  // as the real window tells the form it is closing
}

void headless_toolkit::set_cursor(cursor shape) {
  record(shape == cursor::hourglass ? "cursor hourglass" : "cursor normal");
  cursor_ = shape;
}

void headless_toolkit::on_pump(int n, std::function<void()> action) {
  pump_actions_.emplace(n, std::move(action));
  declare_quiet_pumps();
}

void headless_toolkit::declare_quiet_pumps() {
  // Nothing else changes the controls: a pump without a scripted action handles nothing.
  constexpr long long kUnscripted = 1LL << 40;
  const long long done = pumps_ - quiet_pumps();
  const long long quiet =
      pump_actions_.empty() ? kUnscripted : std::max(0LL, pump_actions_.begin()->first - done - 1);
  set_quiet_pumps(quiet);
  pumps_ = done + quiet;
}

bool headless_toolkit::pump_events() {
  ++pumps_;
  pump_actions_.erase(pump_actions_.begin(), pump_actions_.lower_bound(static_cast<int>(pumps_)));
  auto [first, last] = pump_actions_.equal_range(static_cast<int>(pumps_));
  std::vector<std::function<void()>> due;
  for (auto it = first; it != last; ++it) due.push_back(it->second);
  pump_actions_.erase(first, last);
  for (auto& action : due) action();
  declare_quiet_pumps();
  return !due.empty();
}

void headless_toolkit::beep() {
  record("beep");
}

void headless_toolkit::after_modal() {
  deliver(control::Form1, event::activate);
}

template <typename T>
T headless_toolkit::take(std::deque<T>& queue, std::string_view what) {
  if (queue.empty()) throw script_error("no scripted answer for " + std::string(what));
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

void headless_toolkit::error_box(std::string_view message) {
  record("error_box " + std::string(message));
  after_modal();
}

answer headless_toolkit::confirmation_box(std::string_view message) {
  record("confirmation_box " + std::string(message));
  const answer a = take(answers_, "confirmation box: " + std::string(message));
  after_modal();
  return a;
}

void headless_toolkit::information_box(std::string_view message) {
  record("information_box " + std::string(message));
  after_modal();
}

std::optional<std::string> headless_toolkit::open_dialog(control dialog, int filter_index) {
  record(named("open_dialog", dialog) + " filter " + std::to_string(filter_index));
  auto path = take(files_, name_of(dialog));
  after_modal();
  return path;
}

std::optional<std::string> headless_toolkit::save_dialog(control dialog) {
  record(named("save_dialog", dialog));
  auto path = take(files_, name_of(dialog));
  after_modal();
  return path;
}

void headless_toolkit::launch(const std::string& program, const std::vector<std::string>& arguments,
                              std::function<void()> failed) {
  std::string entry = "launch " + program;
  for (const auto& a : arguments) entry += " " + a;
  record(entry);
  if (launches_fail_) failed();
}

void headless_toolkit::activate() {
  deliver(control::Form1, event::activate);
}

void headless_toolkit::focus(control c) {
  if (focused_ == c) return;
  focus_reclaimed_ = false;
  if (focused_) deliver(*focused_, event::exit);
  if (focus_reclaimed_) return;  // the exit handler kept the focus where it wanted it
  focused_ = c;
  deliver(c, event::enter);
}

void headless_toolkit::click(control c) {
  if (c == control::SpeedButton1 || c == control::SpeedButton2) {  // toggles; no event
    state(c).down = !state(c).down;
    return;
  }
  if (takes_focus(c)) {
    focus(c);
    if (focused_ != c) return;  // a field's check took the focus back: the click is lost
  }
  deliver(c, event::click);
}

void headless_toolkit::type(control field, std::string_view text) {
  focus(field);
  if (focused_ == field) state(field).text = text;
}

void headless_toolkit::toggle_check(control list, int item) {
  focus(list);
  set_selected_index(list, item);
  set_checked(list, item, !checked(list, item));
  deliver(list, event::click_check);
}

void headless_toolkit::select(control list, int index) {
  focus(list);
  set_selected_index(list, index);
  deliver(list, event::click);
}

std::vector<std::string> headless_toolkit::messages() const {
  std::vector<std::string> out;
  for (const auto& c : calls_) {
    if (c.starts_with("error_box ") || c.starts_with("information_box ") ||
        c.starts_with("confirmation_box ")) {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace toolkit
