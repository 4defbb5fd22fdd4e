// Edit/Print: the report written beside the user's files and handed to the text editor.
#include "form_fixture.hpp"
#include "mathhkl/text_lines.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

class EditPrint : public FormTest {
 protected:
  void edit_print() { tk.click(control::BitBtn5); }
  std::vector<std::string> report() const {
    const std::string text = folder.read("quarvel.tmp");
    EXPECT_TRUE(text.ends_with("\r\n"));
    return mathhkl::text_lines(text);
  }
  bool launched() const {
    return std::count(tk.calls().begin(), tk.calls().end(), "launch xdg-open quarvel.tmp") > 0;
  }

  temp_folder folder;
};

TEST_F(EditPrint, ReportHoldsCaptionsHeadingsAndEveryFoundLine) {
  enter_cubic_example();
  run();
  const int n = form.found_count();
  ASSERT_GT(n, 1);
  edit_print();
  const std::vector<std::string> lines = report();
  ASSERT_EQ(lines.size(), 6u + static_cast<size_t>(n));
  const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
  const std::vector<std::string> expected_head{
      "Initial cell",  tk.line(control::ListBox2, 0), tk.line(control::ListBox2, 1), "",
      "Found cell(s)", tk.line(control::ListBox6, 0)};
  EXPECT_EQ(head, expected_head);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.end()), found());
  EXPECT_TRUE(launched());
  EXPECT_TRUE(tk.messages().empty());
  EXPECT_EQ(folder.file_count(), 1);
}

TEST_F(EditPrint, OpenerThatFailsNamesTheReportItWrote) {
  enter_cubic_example();
  run();
  tk.fail_launches();
  edit_print();
  ASSERT_TRUE(launched());
  const std::string path = std::filesystem::canonical(folder.path() / "quarvel.tmp").string();
  EXPECT_EQ(
      tk.messages(),
      std::vector<std::string>{
          "error_box The report could not be opened in a text editor. It is written in " + path});
  EXPECT_EQ(report().size(), 6u + static_cast<size_t>(form.found_count()));
}

TEST_F(EditPrint, SearchThatFoundNothingReportsNoOtherCell) {
  enter_cell(crystal_system::triclinic, {"5", "6", "7", "80", "95", "105"});
  tk.type(control::Edit9, "1");
  tk.type(control::Edit11, "2");
  run();
  edit_print();
  const std::vector<std::string> lines = report();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines.back(), "No other cell");
}

TEST_F(EditPrint, NothingHappensWithoutResults) {
  edit_print();  // before the first search
  enter_cubic_example();
  run();
  ASSERT_GT(form.found_count(), 0);
  tk.click(control::BitBtn2);  // a new source empties the result lists
  edit_print();
  tk.type(control::Edit1, "x");
  run();  // a run that ends at a wrong condition
  edit_print();
  EXPECT_FALSE(folder.holds("quarvel.tmp"));
  EXPECT_FALSE(launched());
  EXPECT_EQ(tk.messages().size(), 1u) << "only the condition's own error";
}

TEST_F(EditPrint, ResultsWhoseInitialCellWasClearedMidSearchAreNotReported) {
  enter_cubic_example();
  tk.on_pump(3, [&] { tk.click(control::BitBtn2); });  // Keyboard while the search runs
  run();
  ASSERT_GT(form.found_count(), 0);
  ASSERT_TRUE(tk.lines(control::ListBox2).empty());
  edit_print();
  EXPECT_TRUE(tk.messages().empty());
  EXPECT_FALSE(folder.holds("quarvel.tmp"));
}

}  // namespace
}  // namespace quarvel::testing
