// The Run handler driven as a user drives it: every kind of ending, what the three lists,
// found_count, the boxes and the focus are left with.
#include <algorithm>

#include "form_fixture.hpp"
#include "main/result_lines.hpp"

namespace quarvel::testing {
namespace {

class RunControl : public FormTest {};

TEST_F(RunControl, ConditionErrorsStopBeforeTheSearch) {
  const struct {
    control field;
    const char* text;
    const char* message;
  } cases[] = {
      {control::Edit1, "0,005", "Error on Parameter tolerance"},
      {control::Edit2, "abc", "Error on angular tolerance"},
      {control::Edit11, "", "Error on V/Vo"},
      {control::Edit9, "3.5", "'3.5' is not a valid integer value"},
      {control::Edit9, "21", "Max vector must not exceed 20"},
  };
  enter_cell(crystal_system::orthorhombic, {"5.431", "7.123", "9.877", "90", "90", "90"});
  run();
  const auto before = tk.lines(control::ListBox2);
  ASSERT_EQ(before.size(), 2u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string good = tk.text(c.field);
    tk.type(c.field, c.text);
    const size_t boxes = tk.messages().size();
    run();
    ASSERT_EQ(tk.messages().size(), boxes + 1);
    EXPECT_EQ(tk.messages().back(), std::string("error_box ") + c.message);
    EXPECT_TRUE(found().empty());
    EXPECT_EQ(form.found_count(), 0);
    EXPECT_TRUE(tk.visible(control::Panel2));
    EXPECT_EQ(tk.lines(control::ListBox2), before) << "the initial cell stays";
    if (c.field != control::Edit9) {
      EXPECT_EQ(tk.focused(), control::Edit1);
    }
    tk.type(c.field, good);
  }
}

TEST_F(RunControl, RefusedTargetsNameTheLastRefusedSystem) {
  const struct {
    crystal_system system;
    std::array<std::string, 6> cell;
    std::vector<crystal_system> targets;
    const char* message;  // empty: searched
  } cases[] = {
      {crystal_system::tetragonal,
       {"4", "4", "6", "90", "90", "90"},
       {crystal_system::tetragonal},
       "From Tetragonal cell, Quarvel cannot search for a Tetragonal cell"},
      {crystal_system::orthorhombic,
       {"4", "5", "6", "90", "90", "90"},
       {crystal_system::cubic, crystal_system::monoclinic},
       "From Orthorhombic cell, Quarvel cannot search for a Monoclinic cell"},
      {crystal_system::orthorhombic,
       {"4", "5", "6", "90", "90", "90"},
       {crystal_system::hexagonal, crystal_system::rhombohedral},
       ""},
      {crystal_system::monoclinic,
       {"4", "5", "6", "90", "100", "90"},
       {crystal_system::monoclinic},
       "From Monoclinic cell, Quarvel cannot search for a Monoclinic cell"},
      {crystal_system::triclinic,
       {"4", "5", "6", "80", "85", "95"},
       {crystal_system::monoclinic, crystal_system::orthorhombic},
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    enter_cell(c.system, c.cell);
    tk.type(control::Edit9, "1");
    tk.toggle_check(control::CheckListBox1, 0);  // "All" alone again
    for (crystal_system t : c.targets) check_target(t);
    const size_t boxes = tk.messages().size();
    run();
    if (*c.message) {
      ASSERT_EQ(tk.messages().size(), boxes + 1);
      EXPECT_EQ(tk.messages().back(), std::string("information_box ") + c.message);
      EXPECT_TRUE(tk.lines(control::ListBox2).empty());
      EXPECT_TRUE(tk.lines(control::ListBox6).empty());
      EXPECT_EQ(form.found_count(), 0);
    } else {
      EXPECT_EQ(tk.messages().size(), boxes);
      EXPECT_EQ(tk.lines(control::ListBox2).size(), 2u);
      EXPECT_GT(form.found_count(), 0);
    }
  }
}

TEST_F(RunControl, NoCellLeavesOneLine) {
  enter_cell(crystal_system::orthorhombic, {"5.431", "7.123", "9.877", "90", "90", "90"});
  tk.type(control::Edit9, "0");
  run();
  EXPECT_EQ(found(), std::vector<std::string>{"No other cell"});
  EXPECT_EQ(form.found_count(), 1);
  EXPECT_EQ(tk.lines(control::ListBox6), std::vector<std::string>{std::string(kFoundHeading)});
  EXPECT_EQ(tk.current_cursor(), toolkit::cursor::normal);
}

TEST_F(RunControl, DefaultSearchEndsTheBarAtNinetyNine) {
  enter_cell(crystal_system::orthorhombic, {"5.431", "7.123", "9.877", "90", "90", "90"});
  run();
  EXPECT_EQ(tk.pump_count(), 171 * 170 / 2);
  EXPECT_EQ(tk.position(control::ProgressBar1), 99);
  EXPECT_GT(form.found_count(), 1);
  EXPECT_EQ(found().front().substr(115), "       1");
  EXPECT_EQ(tk.calls().back(), "beep");
}

TEST_F(RunControl, AbortYesKeepsTheRawLinesAndAddsTheStopLine) {
  enter_cubic_example();
  tk.on_pump(40, [&] { tk.click(control::SpeedButton1); });
  tk.queue_answer(toolkit::answer::yes);
  run();
  const auto lines = found();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back(), "Stopped by the user");
  EXPECT_EQ(lines.front().size(), 115u) << "raw lines: no running number";
  EXPECT_EQ(form.found_count(), static_cast<int>(lines.size()));
  EXPECT_FALSE(tk.down(control::SpeedButton1));
  EXPECT_FALSE(tk.down(control::SpeedButton2));
  EXPECT_EQ(tk.current_cursor(), toolkit::cursor::normal);
  EXPECT_EQ(tk.messages().back(), "confirmation_box  Do you want to abort the search?");
}

TEST_F(RunControl, AbortPressedBeforeTheRunIsAskedAtTheFirstPair) {
  enter_cubic_example();
  tk.click(control::SpeedButton2);
  tk.queue_answer(toolkit::answer::yes);
  run();
  EXPECT_EQ(found(), std::vector<std::string>{"Stopped by the user"});
  EXPECT_EQ(tk.pump_count(), 1);
}

TEST_F(RunControl, AnsweringNoGoesOnWithTheSameConditions) {
  enter_cubic_example();
  tk.type(control::Edit1, "0.01");
  run();
  const auto undisturbed = found();
  tk.on_pump(tk.pump_count() + 10, [&] { tk.click(control::SpeedButton1); });
  tk.on_pump(tk.pump_count() + 20, [&] { run(); });  // a second Run during the search
  tk.queue_answer(toolkit::answer::no);
  run();
  EXPECT_EQ(found(), undisturbed);
  EXPECT_FALSE(tk.down(control::SpeedButton1));
  EXPECT_EQ(form.shared().tol_param, mathhkl::real48(0.01L)) << "init waits for the search";
}

// A target checked during a search counts from the pair whose pump handled the click: that
// pair's own cells are found, although the old targets wanted nothing of it.
TEST_F(RunControl, ATargetCheckedDuringTheSearchCountsFromThatPair) {
  enter_cell(crystal_system::rhombohedral, {"2.8284", "2.8284", "2.8284", "60", "60", "60"});
  tk.type(control::Edit9, "2");
  // Every target: the first pair that keeps cells, and their lines.
  int first_found_pair = 0;
  std::vector<std::string> first_lines;
  const int start = tk.pump_count();
  for (int pair = 1; pair <= 62 * 61 / 2; ++pair) {
    tk.on_pump(start + pair, [&, pair] {
      if (first_found_pair == 0 && form.found_count() > 0) {
        first_found_pair = pair - 1;
        first_lines = found();
      }
    });
  }
  run();
  ASSERT_GT(first_found_pair, 0);
  // "Cubic" alone, "All" checked at that pair, the search stopped at the next.
  check_target(crystal_system::cubic);
  const int again = tk.pump_count();
  tk.on_pump(again + first_found_pair, [&] { tk.toggle_check(control::CheckListBox1, 0); });
  tk.on_pump(again + first_found_pair + 1, [&] { tk.click(control::SpeedButton1); });
  tk.queue_answer(toolkit::answer::yes);
  run();
  first_lines.emplace_back(kStoppedByUser);
  EXPECT_EQ(found(), first_lines);
}

TEST_F(RunControl, TooManyCellsStopsAtTheFiveHundredth) {
  enter_cell(crystal_system::cubic, {"4", "4", "4", "90", "90", "90"});
  run();
  EXPECT_EQ(form.found_count(), 500);
  EXPECT_EQ(tk.messages().back(), "error_box Too many found cells!!");
  EXPECT_EQ(found().back().size(), 115u);
  EXPECT_EQ(tk.current_cursor(), toolkit::cursor::normal);
}

TEST_F(RunControl, CrysfireSourceWithoutASelectedSolutionEndsSilently) {
  tk.set_visible(control::Panel4, true);
  tk.add_line(control::ListBox1, "header");
  run();
  EXPECT_TRUE(tk.messages().empty());
  EXPECT_TRUE(tk.lines(control::ListBox2).empty());
  EXPECT_TRUE(tk.lines(control::ListBox6).empty());
  EXPECT_EQ(form.found_count(), 0);
}

TEST_F(RunControl, CellsWithoutVolumeAndUnchosenSystemsAreRefusedClearly) {
  const struct {
    crystal_system system;
    std::array<std::string, 6> cell;
    const char* message;
  } cases[] = {
      {crystal_system::orthorhombic,
       {"4", "5", "", "90", "90", "90"},
       "The starting cell has no volume: check its edges and angles"},
      {crystal_system::triclinic,
       {"4", "5", "6", "10", "10", "150"},
       "The starting cell has no volume: check its edges and angles"},
  };
  for (const auto& c : cases) {
    enter_cell(c.system, c.cell);
    run();
    EXPECT_EQ(tk.messages().back(), std::string("error_box ") + c.message);
    EXPECT_EQ(form.found_count(), 0);
  }
  toolkit::headless_toolkit fresh;
  TForm1 other(fresh);
  fresh.activate();
  fresh.click(control::BitBtn2);
  fresh.type(control::Edit3, "4");
  fresh.click(control::BitBtn6);
  EXPECT_EQ(fresh.messages().back(), "error_box Choose a crystal system first");
}

TEST_F(RunControl, RatioAtTheLimitDependsOnTheStoredBits) {
  // The doubled cells print V/Vo 2.00, but their stored volumes differ in the last bits: with a
  // limit of exactly 2 the four whose ratio is not above it stay, and below 2 none does.
  enter_cubic_example();
  tk.type(control::Edit11, "2");
  run();
  const auto at_limit = found();
  tk.type(control::Edit11, "1.999999999");
  run();
  const auto below = found();
  auto count_ratio_two = [](const std::vector<std::string>& lines) {
    return std::count_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.substr(54, 6) == "  2.00"; });
  };
  EXPECT_EQ(count_ratio_two(at_limit), 4);
  EXPECT_EQ(count_ratio_two(below), 0);
}

TEST_F(RunControl, CheckListKeepsAllExclusive) {
  EXPECT_TRUE(tk.checked(control::CheckListBox1, 0));
  check_target(crystal_system::cubic);
  EXPECT_FALSE(tk.checked(control::CheckListBox1, 0));
  EXPECT_TRUE(tk.checked(control::CheckListBox1, 1));
  tk.toggle_check(control::CheckListBox1, 0);
  EXPECT_TRUE(tk.checked(control::CheckListBox1, 0));
  EXPECT_FALSE(tk.checked(control::CheckListBox1, 1));
  tk.toggle_check(control::CheckListBox1, 0);  // clicking a checked "All" keeps it checked
  EXPECT_TRUE(tk.checked(control::CheckListBox1, 0));
  tk.focus(control::Edit1);
  EXPECT_EQ(tk.selected_index(control::CheckListBox1), -1);
}

}  // namespace
}  // namespace quarvel::testing
