// A window on the headless toolkit, with the user's usual moves.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "main/form.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace quarvel::testing {

using toolkit::control;

inline constexpr int kCubic = 0, kTetra = 1, kOrtho = 2, kHexa = 3, kRhombo = 4, kMonoc = 5,
                     kTricl = 6;

class FormTest : public ::testing::Test {
 protected:
  FormTest() { tk.activate(); }

  // Keyboard, a system of the list (index into "Cubic" ... "Tricl."), six typed fields.
  void enter_cell(int system_index, const std::array<std::string, 6>& fields) {
    tk.click(control::BitBtn2);
    tk.select(control::ListBox3, system_index);
    static constexpr control edits[] = {control::Edit3, control::Edit4, control::Edit5,
                                        control::Edit6, control::Edit7, control::Edit8};
    for (int i = 0; i < 6; ++i) tk.type(edits[i], fields[i]);
  }
  // The cubic 4 A cell with the largest index 1: the worked example's 13-vector search.
  void enter_cubic_example() {
    enter_cell(kCubic, {"4", "4", "4", "90", "90", "90"});
    tk.type(control::Edit9, "1");
  }
  void run() { tk.click(control::BitBtn6); }
  std::vector<std::string> found() const { return tk.lines(control::ListBox4); }

  toolkit::headless_toolkit tk;
  TForm1 form{tk};
};

}  // namespace quarvel::testing
