// The toolkit on Qt Widgets: builds Form1 from its layout, answers the logic's calls on its
// widgets and turns the user's actions into the form's events. Needs a QApplication.
#pragma once

#include <QPointer>
#include <memory>

#include "toolkit/qt/activation_watch.hpp"
#include "toolkit/qt/event_wiring.hpp"
#include "toolkit/qt/form_widgets.hpp"
#include "toolkit/qt/launcher.hpp"
#include "toolkit/qt/main_window.hpp"
#include "toolkit/qt/message_pump.hpp"
#include "toolkit/toolkit.hpp"

class QListWidget;

namespace toolkit::qt {

class radio_group;

class qt_toolkit final : public toolkit {
 public:
  qt_toolkit();
  ~qt_toolkit() override;
  qt_toolkit(const qt_toolkit&) = delete;
  qt_toolkit& operator=(const qt_toolkit&) = delete;

  // The About box, a window of its own that `show_window` and `close_window` reach as
  // fapropos.
  void set_about_box(QWidget& box);
  QMainWindow& window() { return *window_; }

  void set_event_sink(event_sink* sink) override { sink_ = sink; }
  void set_visible(control c, bool visible) override;
  bool visible(control c) const override;
  void refresh(control c) override;
  std::string text(control c) const override;
  void set_text(control c, std::string_view text) override;
  void set_colour(control c, colour colour) override;
  bool has_focus(control c) const override;
  void set_focus(control c) override;
  void clear(control list) override;
  void add_line(control list, std::string_view line) override;
  int line_count(control list) const override;
  std::string line(control list, int index) const override;
  int selected_index(control list) const override;
  void set_selected_index(control list, int index) override;
  bool checked(control list, int item) const override;
  void set_checked(control list, int item, bool checked) override;
  bool down(control button) const override;
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

 protected:
  // The clock is read once every kCallsPerReading calls.
  bool pump_events() override {
    set_quiet_pumps(message_pump::kCallsPerReading - 1);
    return pump_.pump();
  }

 private:
  QWidget* window_of(control c) const;
  QListWidget* list_of(control c) const;
  radio_group* radio_of(control c) const;
  void deliver(control c, event e);
  void guarded(const std::function<void()>& handler);
  void after_modal();

  std::unique_ptr<main_window> window_;
  form_widgets widgets_;
  std::unique_ptr<field_focus> focus_;
  std::unique_ptr<activation_watch> activation_;
  QPointer<QWidget> about_;
  message_pump pump_;
  launcher launcher_;
  event_sink* sink_ = nullptr;
  bool busy_cursor_ = false;
};

}  // namespace toolkit::qt
