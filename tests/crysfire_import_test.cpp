// The Crysfire import driven from the window: the list it shows, the window state it leaves,
// its failures, and the cross-reference of found cells with its solutions.
#include "form_fixture.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

class CrysfireImport : public FormTest {
 protected:
  void import(const std::string& path) {
    tk.queue_file(path);
    tk.click(control::BitBtn3);
  }
  std::vector<std::string> list() const { return tk.lines(control::ListBox1); }

  temp_folder folder;
};

TEST_F(CrysfireImport, CrLfAndLfOnlySummariesGiveTheSameList) {
  const struct {
    const char* name;
    const char* line_end;
    const char* label;
  } cases[] = {
      {"crlf.sum", "\r\n", "Active file : crlf.sum"},
      {"lf.sum", "\n", "Active file : dummy.tmp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tk.click(control::BitBtn2);  // Keyboard hides the hint; the import shows it again
    import(folder.write(c.name, joined(kSampleSummary, c.line_end)));
    EXPECT_TRUE(tk.messages().empty());
    EXPECT_EQ(list(), kSampleList);
    EXPECT_EQ(form.shared().sum_line_count, 3);
    EXPECT_EQ(tk.selected_index(control::ListBox1), 1);
    EXPECT_EQ(tk.text(control::Label10), c.label);
    EXPECT_EQ(form.shared().sum_file_name, (folder.path() / c.name).string());
    for (control shown :
         {control::Panel3, control::Panel4, control::Panel5, control::Label10, control::Edit10}) {
      EXPECT_TRUE(tk.visible(shown)) << name_of(shown);
    }
    EXPECT_FALSE(tk.visible(control::Panel1));
  }
}

TEST_F(CrysfireImport, CancelledDialogOnlyEmptiesTheResultLists) {
  import(folder.write("cells.sum", joined(kSampleSummary, "\r\n")));
  tk.add_line(control::ListBox4, "found");
  tk.add_line(control::ListBox2, "initial");
  tk.queue_file(std::nullopt);
  tk.click(control::Open1);
  EXPECT_TRUE(tk.lines(control::ListBox4).empty());
  EXPECT_TRUE(tk.lines(control::ListBox2).empty());
  EXPECT_EQ(list(), kSampleList);
  EXPECT_EQ(form.shared().sum_line_count, 3);
}

TEST_F(CrysfireImport, FailedImportLeavesNoListAndNoCount) {
  const struct {
    const char* bytes;  // nullptr: the file does not exist
    const char* message;
  } cases[] = {
      {nullptr, "File not found"},
      {"", "Read beyond end of file"},
      {"no line end in these few bytes", "Read beyond end of file"},
  };
  const std::string closing_angles_fail =
      summary_line(" 1  1.0", "1.00", "4.0 5.0 6.0 10.0 10.0 150.0") + "\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    import(folder.write("good.sum", joined(kSampleSummary, "\r\n")));
    ASSERT_EQ(form.shared().sum_line_count, 3);
    const std::string path = c.bytes ? folder.write("bad.sum", c.bytes) : "missing.sum";
    import(path);
    EXPECT_EQ(tk.messages().back(), std::string("error_box ") + c.message);
    EXPECT_TRUE(list().empty());
    EXPECT_EQ(form.shared().sum_line_count, 0);
    EXPECT_EQ(tk.selected_index(control::ListBox1), -1);
    EXPECT_EQ(form.find_sum_line("CUBI  5.431  5.431  5.431  90.00  90.00  90.00   160.2"), 0);
  }
  import(folder.write("open.sum", closing_angles_fail));
  EXPECT_EQ(tk.messages().back(), "error_box Invalid floating point operation");
  EXPECT_TRUE(list().empty());
}

TEST_F(CrysfireImport, SummaryWithoutCellsListsOnlyTheHeaderAndRunDoesNothing) {
  const std::vector<std::string> headings(kSampleSummary.begin(), kSampleSummary.begin() + 3);
  import(folder.write("empty.sum", joined(headings, "\r\n")));
  EXPECT_EQ(list(), std::vector<std::string>{kSampleList[0]});
  EXPECT_EQ(form.shared().sum_line_count, 0);
  EXPECT_EQ(tk.selected_index(control::ListBox1), -1);
  run();
  EXPECT_TRUE(tk.lines(control::ListBox2).empty());
  EXPECT_EQ(form.found_count(), 0);
}

TEST_F(CrysfireImport, FoundCellNamesTheFirstSolutionWithinTheVolumeWindow) {
  // Solutions 2 and 3 are the same cell; the volumes of the list are 64.00 and 128.00.
  const std::vector<std::string> summary{
      summary_line(" 1  1.0", "1.00", "4.0 4.0 8.0 90.0 90.0 90.0"),
      summary_line(" 2  2.0", "1.00", "4.0 4.0 4.0 90.0 90.0 90.0"),
      summary_line(" 3  3.0", "1.00", "4.0 4.0 4.0 90.0 90.0 90.0"),
  };
  import(folder.write("cubic.sum", joined(summary, "\r\n")));
  // Before any search the comparison tolerances are the search's own, 0.005 and 0.3.
  mathhkl::cell_state& state = form.shared();
  state.sum_tol_param = 0.005L;
  state.sum_tol_angle = 0.3L;
  const struct {
    const char* found_line;
    int solution;
  } cases[] = {
      {"CUBI  4.000  4.000  4.000  90.00  90.00  90.00    64.0", 2},
      {"CUBI  4.000  4.000  4.000  90.00  90.00  90.00    74.0", 2},  // 10 off: inside
      {"CUBI  4.000  4.000  4.000  90.00  90.00  90.00   74.01", 0},  // 10.01 off: outside
      {"CUBI  4.010  4.000  4.000  90.00  90.00  90.00    64.0", 0},
      {"CUBI  4.000  4.000  4.000  90.29  90.00  90.00    64.0", 2},
      {"CUBI  4.000  4.000  4.000  90.00  90.00  90.31    64.0", 0},
      {"TETR  4.000  4.000  8.000  90.00  90.00  90.00   128.0", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(form.find_sum_line(c.found_line), c.solution) << c.found_line;

  // The search reads the comparison fields of the Crysfire panel and numbers its cells.
  tk.type(control::Edit9, "1");
  tk.select(control::ListBox1, 2);
  run();
  ASSERT_GT(form.found_count(), 1);
  EXPECT_EQ(found()[0].substr(0, 4), "CUBI");
  EXPECT_EQ(found()[0].substr(found()[0].size() - 8), "  2    1");
}

}  // namespace
}  // namespace quarvel::testing
