// A search that fills the found-cell list: the written message, then a status line under the
// list that says what was kept and what to tighten, gone at the next Run.
#include "form_fixture.hpp"

namespace quarvel::testing {
namespace {

using ListFull = FormTest;

TEST_F(ListFull, StatusLineNamesTheCountAndTheConditionsAsTyped) {
  const struct {
    const char* max_vector;
    const char* max_ratio;
  } cases[] = {{"3", "10"}, {"4", "12.5"}};
  for (const auto& c : cases) {
    enter_cell(crystal_system::cubic, {"4", "4", "4", "90", "90", "90"});
    tk.type(control::Edit9, c.max_vector);
    tk.type(control::Edit11, c.max_ratio);
    run();
    ASSERT_EQ(form.found_count(), 500);
    EXPECT_EQ(tk.messages().back(), "error_box Too many found cells!!");
    EXPECT_EQ(found().back().find("Too many"), std::string::npos) << "the list keeps its cells";
    EXPECT_TRUE(tk.visible(control::StatusBar1));
    EXPECT_EQ(tk.text(control::StatusBar1),
              std::string("The list is full: 500 found cells kept. To find fewer, lower Max V/Vo "
                          "(now ") +
                  c.max_ratio + ") or Max vector (now " + c.max_vector +
                  "), or check fewer target systems.");
  }
}

TEST_F(ListFull, StatusLineIsHiddenUntilTheListIsFullAndAfterTheNextRun) {
  EXPECT_FALSE(tk.visible(control::StatusBar1));
  enter_cell(crystal_system::cubic, {"4", "4", "4", "90", "90", "90"});
  run();
  ASSERT_TRUE(tk.visible(control::StatusBar1));
  tk.type(control::Edit9, "1");
  run();
  EXPECT_LT(form.found_count(), 500);
  EXPECT_FALSE(tk.visible(control::StatusBar1));
}

}  // namespace
}  // namespace quarvel::testing
