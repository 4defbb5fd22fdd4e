// A window on the headless toolkit, with the user's usual moves.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "main/form.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace quarvel::testing {

using toolkit::control;

using mathhkl::crystal_system;

class FormTest : public ::testing::Test {
 protected:
  FormTest() { tk.activate(); }

  // A line of the keyboard system list clicked.
  void select_system(crystal_system s) {
    tk.select(control::ListBox3, mathhkl::keyboard_list_index(s));
  }
  // A target system's check mark clicked.
  void check_target(crystal_system s) {
    tk.toggle_check(control::CheckListBox1, mathhkl::check_list_item(s));
  }
  int selected_system_line() const { return tk.selected_index(control::ListBox3); }
  // Keyboard, a system of the list, six typed fields.
  void enter_cell(crystal_system s, const std::array<std::string, 6>& fields) {
    tk.click(control::BitBtn2);
    select_system(s);
    for (int i = 0; i < 6; ++i) tk.type(toolkit::kCellFields[i], fields[i]);
  }
  // The cubic 4 A cell with the largest index 1: the worked example's 13-vector search.
  void enter_cubic_example() {
    enter_cell(crystal_system::cubic, {"4", "4", "4", "90", "90", "90"});
    tk.type(control::Edit9, "1");
  }
  void run() { tk.click(control::BitBtn6); }
  std::vector<std::string> found() const { return tk.lines(control::ListBox4); }

  toolkit::headless_toolkit tk;
  TForm1 form{tk};
};

}  // namespace quarvel::testing
