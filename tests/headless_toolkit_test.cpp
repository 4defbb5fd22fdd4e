// The recording toolkit: scripted answers, user actions and the calls read back.
#include "toolkit/headless_toolkit.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "platform/error.hpp"

namespace toolkit {
namespace {

// A form that records its events and, on one click, asks a question and opens a file.
struct recording_form : event_sink {
  explicit recording_form(headless_toolkit& toolkit) : tk(toolkit) { tk.set_event_sink(this); }
  void dispatch(control source, event kind) override {
    events.push_back(std::string(name_of(source)) + ":" + std::to_string(static_cast<int>(kind)));
    if (source == control::BitBtn3 && kind == event::click) {
      last_answer = tk.confirmation_box("Go on?");
      last_file = tk.open_dialog(control::OpenDialog1, 1);
    }
    if (source == control::Edit3 && kind == event::exit && tk.text(control::Edit3) == "bad") {
      tk.set_focus(control::Edit3);
    }
  }
  headless_toolkit& tk;
  std::vector<std::string> events;
  answer last_answer = answer::cancel;
  std::optional<std::string> last_file;
};

TEST(HeadlessToolkit, ScriptedBoxAndDialogAreRecorded) {
  headless_toolkit tk;
  recording_form form(tk);
  tk.queue_answer(answer::yes);
  tk.queue_file("/data/cells.sum");
  tk.click(control::BitBtn3);
  EXPECT_EQ(form.last_answer, answer::yes);
  EXPECT_EQ(form.last_file, "/data/cells.sum");
  const std::vector<std::string> expected{"confirmation_box Go on?",
                                          "open_dialog OpenDialog1 filter 1"};
  EXPECT_EQ(tk.calls(), expected);
  // Each modal call hands the activation back to the main window.
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Form1:4"), 2);
}

TEST(HeadlessToolkit, ModalCallWithoutAnAnswerFailsLoudly) {
  headless_toolkit tk;
  recording_form form(tk);
  EXPECT_THROW(tk.click(control::BitBtn3), script_error);
}

TEST(HeadlessToolkit, LeavingAFieldFiresItsExitAndAReclaimStopsTheMove) {
  headless_toolkit tk;
  recording_form form(tk);
  tk.type(control::Edit3, "bad");
  tk.focus(control::Edit4);
  EXPECT_EQ(tk.focused(), control::Edit3);
  tk.type(control::Edit3, "5");
  tk.focus(control::Edit4);
  EXPECT_EQ(tk.focused(), control::Edit4);
  EXPECT_EQ(form.events.back(), "Edit4:1");
}

TEST(HeadlessToolkit, ListsPumpAndMissingLines) {
  headless_toolkit tk;
  tk.add_line(control::ListBox4, "a");
  tk.add_line(control::ListBox4, "b");
  tk.set_selected_index(control::ListBox4, 1);
  EXPECT_EQ(tk.selected_index(control::ListBox4), 1);
  EXPECT_THROW(tk.line(control::ListBox4, 2), platform::error);
  int ran_at = 0;
  tk.on_pump(3, [&] { ran_at = tk.pump_count(); });
  for (int i = 0; i < 5; ++i) tk.pump_messages();
  EXPECT_EQ(ran_at, 3);
}

// Pumps without a scripted action are left out of the backend; they still count, and an action
// scheduled among them, or from another action, runs at its own pump.
TEST(HeadlessToolkit, ActionsRunAtTheirPumpAmongQuietOnes) {
  headless_toolkit tk;
  std::vector<int> ran_at;
  auto note = [&] { ran_at.push_back(tk.pump_count()); };
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(tk.pump_messages());
  tk.on_pump(7, [&] {
    note();
    tk.on_pump(9, note);
  });
  tk.on_pump(2, note);  // already past: never runs
  int handled = 0;
  for (int i = 0; i < 8; ++i) handled += tk.pump_messages() ? 1 : 0;
  EXPECT_EQ(ran_at, (std::vector<int>{7, 9}));
  EXPECT_EQ(handled, 2);
  EXPECT_EQ(tk.pump_count(), 12);
}

}  // namespace
}  // namespace toolkit
