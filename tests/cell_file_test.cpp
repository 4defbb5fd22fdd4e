// Lanfit cell files read and saved from the window, with files written here.
#include "form_fixture.hpp"
#include "mathhkl/real48.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

using mathhkl::real48;

class CellFile : public FormTest {
 protected:
  void open(const std::string& path) {
    tk.queue_file(path);
    tk.click(control::BitBtn4);
  }
  void save(const std::string& name) {
    tk.queue_file((folder.path() / name).string());
    tk.click(control::Savecellprameters1);
  }
  std::array<long double, 6> cell() const {
    std::array<long double, 6> values;
    for (int i = 0; i < 6; ++i) values[i] = form.shared().cell[i];
    return values;
  }

  temp_folder folder;
};

using six = std::array<long double, 6>;

TEST_F(CellFile, ValuesAreReadInFreeFormatAfterThreeLines) {
  const six silicon{5.431L, 5.431L, 5.431L, 90, 90, 90};
  const struct {
    const char* name;
    std::string text;
    six values;
  } cases[] = {
      {"one line, blanks", "Silicon\r\nCUBI\r\nNO EXT.\r\n5.431 5.431 5.431 90 90 90\r\n", silicon},
      {"tabs", "\r\n\r\n\r\n5.431\t5.431\t5.431\t90\t90\t90\r\n", silicon},
      {"one per line", "t\r\nTRIC\r\nx\r\n5.431\r\n5.431\r\n5.431\r\n90\r\n90\r\n90\r\n", silicon},
      {"LF alone", "Silicon\nCUBI\nNO EXT.\n5.431 5.431 5.431 90 90 90\n", silicon},
      {"anything after the sixth", "\r\n\r\n\r\n5.431 5.431 5.431 90 90 90 junk\r\nmore", silicon},
      {"written layout",
       "\r\nCUBI\r\nNO EXT.\r\n   5.431   5.431   5.431  90.000  90.000  90.000\r\n", silicon},
      {"ends early", "\r\n\r\n\r\n4 5 6", {4, 5, 6, 0, 0, 0}},
      {"end mark", "\r\n\r\n\r\n4 5\x1a 6 90 90 90", {4, 5, 0, 0, 0, 0}},
      {"three lines only", "a\r\nb\r\nc\r\n", {0, 0, 0, 0, 0, 0}},
      {"empty", "", {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form.shared().cell.fill(real48(7.0L));
    open(folder.write("cell.cry", c.text));
    EXPECT_TRUE(tk.messages().empty());
    six expected;
    for (int i = 0; i < 6; ++i) expected[i] = real48(c.values[i]);
    EXPECT_EQ(cell(), expected);
  }
}

TEST_F(CellFile, ReadingShowsTheCellWithItsRecognisedSystem) {
  enter_cell(crystal_system::orthorhombic, {"4", "5", "6", "90", "90", "90"});
  run();
  ASSERT_GT(form.found_count(), 0);
  open(folder.write("hexa.cry", "\r\nCUBI\r\nNO EXT.\r\n4 4 6 90 90 120\r\n"));
  EXPECT_EQ(form.shared().system_code, "HEXA") << "line 2 is not used";
  EXPECT_EQ(selected_system_line(), mathhkl::keyboard_list_index(crystal_system::hexagonal));
  EXPECT_EQ(tk.text(control::Edit3), "  4.0000");
  EXPECT_EQ(tk.text(control::Edit8), "  120.00");
  EXPECT_TRUE(tk.lines(control::ListBox4).empty());
  EXPECT_TRUE(tk.lines(control::ListBox2).empty());
  EXPECT_TRUE(tk.visible(control::Panel1));
  EXPECT_TRUE(tk.visible(control::Panel3));
  EXPECT_FALSE(tk.visible(control::Panel4));
  EXPECT_FALSE(tk.visible(control::Panel5));
  EXPECT_FALSE(tk.visible(control::Label10));
}

TEST_F(CellFile, CancelChangesNothing) {
  enter_cell(crystal_system::orthorhombic, {"4", "5", "6", "90", "90", "90"});
  run();
  const auto found_before = found();
  const six cell_before = cell();
  tk.queue_file(std::nullopt);
  tk.click(control::OpenLanfitfile1);
  EXPECT_EQ(found(), found_before);
  EXPECT_EQ(cell(), cell_before);
  EXPECT_TRUE(tk.visible(control::Panel1));
}

TEST_F(CellFile, DecimalCommaFailsWithThePartialValueKept) {
  enter_cell(crystal_system::cubic, {"3", "3", "3", "90", "90", "90"});
  tk.focus(control::Edit1);  // leaving the last field stores it
  open(folder.write("comma.cry", "\r\n\r\n\r\n1.5 2.5 5,431 80 80 80\r\n"));
  EXPECT_EQ(tk.messages(), std::vector<std::string>{"error_box Invalid numeric input"});
  EXPECT_EQ(cell(), (six{1.5L, 2.5L, 5, 90, 90, 90}));
  EXPECT_EQ(form.shared().system_code, "CUBI");
  EXPECT_EQ(tk.text(control::Edit3), "3") << "the fields still show the previous cell";
  const std::string missing = (folder.path() / "missing.cry").string();
  open(missing);
  EXPECT_EQ(tk.messages().back(), "error_box File not found");
}

TEST_F(CellFile, SavedCellReadsBackRoundedToThreeDecimals) {
  enter_cell(crystal_system::monoclinic, {"5.43071", "6.1", "7.2", "90", "100.1234", "90"});
  tk.focus(control::Edit1);
  save("mono");
  EXPECT_EQ(folder.read("mono.cry"),
            "\r\nMONO\r\nNO EXT.\r\n   5.431   6.100   7.200  90.000 100.123  90.000\r\n");
  tk.click(control::BitBtn2);
  select_system(crystal_system::cubic);
  open((folder.path() / "mono.cry").string());
  EXPECT_EQ(cell(), (six{real48(5.431L), real48(6.1L), real48(7.2L), 90, real48(100.123L), 90}));
  EXPECT_EQ(form.shared().system_code, "MONO");
}

TEST_F(CellFile, SavedNameGetsCryUnlessItHoldsIt) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"cell", "cell.cry"},
      {"cell.cry", "cell.cry"},
      {"cell.CRY", "cell.CRY.cry"},
      {"old.cry.bak", "old.cry.bak"},
  };
  for (const auto& c : cases) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      std::filesystem::remove(entry);
    }
    save(c.chosen);
    EXPECT_TRUE(folder.holds(c.written)) << c.chosen;
    EXPECT_EQ(folder.file_count(), 1) << "no temporary file is left beside " << c.written;
  }
}

TEST_F(CellFile, SavingBeforeAnyCellWritesZerosAndReplacesAnOldFile) {
  folder.write("fresh.cry", "an older cell file, longer than the new one\r\n\r\n\r\n\r\n\r\n\r\n");
  save("fresh.cry");
  EXPECT_EQ(folder.read("fresh.cry"),
            "\r\n\r\nNO EXT.\r\n   0.000   0.000   0.000   0.000   0.000   0.000\r\n");
  tk.queue_file((folder.path() / "no-such-folder" / "cell.cry").string());
  tk.click(control::Savecellprameters1);
  EXPECT_EQ(tk.messages(), std::vector<std::string>{"error_box File not found"});
}

}  // namespace
}  // namespace quarvel::testing
