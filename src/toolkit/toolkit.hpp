// Everything the logic asks of the window system. The Qt backend draws; the headless backend
// keeps the controls' state in memory, records the calls and lets a test play the user.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/controls.hpp"

namespace toolkit {

// The form's side: every event of every control arrives here.
class event_sink {
 public:
  virtual ~event_sink() = default;
  virtual void dispatch(control source, event kind) = 0;
};

class toolkit {
 public:
  virtual ~toolkit() = default;
  virtual void set_event_sink(event_sink* sink) = 0;

  // Any control. `visible` is the control's own flag, whatever its parent shows.
  virtual void set_visible(control c, bool visible) = 0;
  virtual bool visible(control c) const = 0;
  virtual void refresh(control c) = 0;  // repaints now, even inside a long handler

  // Edit fields; `set_text` also sets the caption of a label.
  virtual std::string text(control c) const = 0;
  virtual void set_text(control c, std::string_view text) = 0;
  virtual void set_colour(control c, colour colour) = 0;
  virtual bool has_focus(control c) const = 0;
  virtual void set_focus(control c) = 0;

  // List boxes, and the selected index of the radio group. Lines count from 0; -1 is none.
  // `line` of a missing index throws "List index out of bounds (%d)".
  virtual void clear(control list) = 0;
  virtual void add_line(control list, std::string_view line) = 0;
  virtual int line_count(control list) const = 0;
  virtual std::string line(control list, int index) const = 0;
  virtual int selected_index(control list) const = 0;
  virtual void set_selected_index(control list, int index) = 0;

  // The check list box, item 0 first.
  virtual bool checked(control list, int item) const = 0;
  virtual void set_checked(control list, int item, bool checked) = 0;

  // Toggle speed buttons and the progress bar (0..100).
  virtual bool down(control button) const = 0;
  virtual void set_down(control button, bool down) = 0;
  virtual void set_position(control bar, int position) = 0;

  // Windows: the About box shows without blocking; closing the main window ends the loop.
  virtual void show_window(control window) = 0;
  virtual void close_window(control window) = 0;

  // Services.
  virtual void set_cursor(cursor shape) = 0;
  // True when pending events were handled: any control may have changed since. The search
  // calls it once per pair of vectors, more often than a virtual call is cheap, so the calls
  // that the backend has declared quiet (sure to handle nothing) only count down here.
  bool pump_messages() {
    if (quiet_pumps_ > 0) {
      --quiet_pumps_;
      return false;
    }
    return pump_events();
  }
  // Up to `most` of the pumps declared quiet, taken at once: the number taken.
  long long take_quiet_pumps(long long most) {
    const long long taken = std::min(most, quiet_pumps_);
    quiet_pumps_ -= taken;
    return taken;
  }
  virtual void beep() = 0;
  virtual void error_box(std::string_view message) = 0;
  virtual answer confirmation_box(std::string_view message) = 0;  // Yes, No, Cancel
  virtual void information_box(std::string_view message) = 0;
  // Filter index 1 selects the first description|pattern pair. The full path, or nothing.
  virtual std::optional<std::string> open_dialog(control dialog, int filter_index) = 0;
  virtual std::optional<std::string> save_dialog(control dialog) = 0;
  // Starts a program without waiting and without a shell. `failed` runs later, between events,
  // when the program cannot be started or ends with a failure status.
  virtual void launch(const std::string& program, const std::vector<std::string>& arguments,
                      std::function<void()> failed) = 0;

 protected:
  // A pump that is not quiet; it may declare the next calls quiet.
  virtual bool pump_events() = 0;
  long long quiet_pumps() const { return quiet_pumps_; }
  void set_quiet_pumps(long long count) { quiet_pumps_ = count; }

 private:
  long long quiet_pumps_ = 0;
};

}  // namespace toolkit
