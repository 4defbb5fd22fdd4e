// Keyboard entry: the system list's field constraints and the check made on leaving a field.
#include "form_fixture.hpp"

namespace quarvel::testing {
namespace {

using toolkit::colour;

class KeyboardEntry : public FormTest {
 protected:
  void SetUp() override { tk.click(control::BitBtn2); }
  std::string text(control c) const { return tk.text(c); }
};

TEST_F(KeyboardEntry, KeyboardShowsEntryAndConditionsPanels) {
  EXPECT_TRUE(tk.visible(control::Panel1));
  EXPECT_TRUE(tk.visible(control::Panel3));
  EXPECT_FALSE(tk.visible(control::Panel4));
  EXPECT_FALSE(tk.visible(control::Edit10));
}

TEST_F(KeyboardEntry, ChoosingASystemColoursAndPresetsTheFields) {
  const struct {
    crystal_system system;
    const char* code;
    const char* silver;  // fields 1..6, 'S' silver
    const char* texts[6];
  } cases[] = {
      {crystal_system::cubic, "CUBI", ".SSSSS", {"5", "5", "5", "90", "90", "90"}},
      {crystal_system::tetragonal, "TETR", ".S.SSS", {"5", "5", "5", "90", "90", "90"}},
      {crystal_system::hexagonal, "HEXA", ".S.SSS", {"5", "5", "5", "90", "90", "120"}},
      {crystal_system::rhombohedral, "RHOM", ".SS.SS", {"5", "5", "5", "90", "90", "120"}},
      {crystal_system::triclinic, "TRIC", "......", {"5", "5", "5", "90", "90", "120"}},
  };
  tk.type(control::Edit3, "5");
  const auto& edits = toolkit::kCellFields;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    select_system(c.system);
    EXPECT_EQ(form.shared().system_code, c.code);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(tk.colour_of(edits[i]), c.silver[i] == 'S' ? colour::silver : colour::white) << i;
      EXPECT_EQ(text(edits[i]), c.texts[i]) << i;
    }
  }
}

TEST_F(KeyboardEntry, LeavingAFieldCopiesTheRepairedText) {
  select_system(crystal_system::tetragonal);
  tk.type(control::Edit3, "5.");
  tk.focus(control::Edit5);
  EXPECT_EQ(text(control::Edit3), "5.");
  EXPECT_EQ(text(control::Edit4), "5.0");
  EXPECT_EQ(form.shared().cell[0], 5.0L);

  select_system(crystal_system::cubic);
  tk.type(control::Edit3, "");
  tk.focus(control::Edit6);
  EXPECT_EQ(text(control::Edit4), "0");
  EXPECT_EQ(text(control::Edit5), "0");

  select_system(crystal_system::rhombohedral);
  tk.type(control::Edit6, "75.5");
  tk.focus(control::Edit3);
  EXPECT_EQ(text(control::Edit7), "75.5");
  EXPECT_EQ(text(control::Edit8), "75.5");
  EXPECT_EQ(form.shared().cell[5], mathhkl::real48(75.5L));
}

TEST_F(KeyboardEntry, TypeErrorKeepsTheFocusAndTheText) {
  select_system(crystal_system::orthorhombic);
  for (const char* bad : {"1,5", "abc", "1e"}) {
    tk.type(control::Edit4, bad);
    tk.focus(control::Edit5);
    EXPECT_EQ(tk.focused(), control::Edit4) << bad;
    EXPECT_EQ(tk.messages().back(), "error_box Type error!");
    EXPECT_EQ(text(control::Edit4), bad);
  }
  tk.type(control::Edit4, "   5.4310");  // as the cell file shows it: leading blanks pass
  tk.focus(control::Edit5);
  EXPECT_EQ(tk.focused(), control::Edit5);
}

TEST_F(KeyboardEntry, MonoclinicChecksTheLastFieldEntered) {
  const size_t boxes = tk.messages().size();
  select_system(crystal_system::monoclinic);  // nothing entered yet: no message
  EXPECT_EQ(tk.messages().size(), boxes);
  tk.type(control::Edit7, "x");
  tk.focus(control::Edit6);  // refused: the focus stays in Edit7
  select_system(crystal_system::monoclinic);
  EXPECT_EQ(tk.messages().back(), "error_box Type error!");
  EXPECT_EQ(tk.focused(), control::Edit7);
}

TEST_F(KeyboardEntry, EnteringAFieldEmptiesTheResultLists) {
  select_system(crystal_system::cubic);
  tk.type(control::Edit3, "4");
  tk.type(control::Edit9, "1");
  tk.click(control::BitBtn1);
  ASSERT_GT(form.found_count(), 0);
  tk.focus(control::Edit3);
  EXPECT_EQ(form.found_count(), 0);
  EXPECT_TRUE(tk.lines(control::ListBox2).empty());
}

TEST_F(KeyboardEntry, FieldsToCellStopsAtTheFirstEmptyField) {
  select_system(crystal_system::triclinic);
  tk.type(control::Edit3, "4");
  tk.type(control::Edit4, "5");
  tk.type(control::Edit5, "");
  tk.type(control::Edit6, "80");
  tk.focus(control::Edit1);
  form.shared().cell = {9, 9, 9, 9, 9, 9};
  ASSERT_TRUE(form.fields_to_cell());
  EXPECT_EQ(form.shared().cell, (mathhkl::cell_params{4, 5, 9, 9, 9, 9}));
}

TEST_F(KeyboardEntry, CellToFieldsShowsTheCellAndItsSystem) {
  form.shared().cell = {5.431L, 5.431L, 5.431L, 90, 90, 90};
  form.shared().system_code = "CUBI";
  form.cell_to_fields();
  EXPECT_EQ(text(control::Edit3), "  5.4310");
  EXPECT_EQ(text(control::Edit6), "   90.00");
  EXPECT_EQ(selected_system_line(), mathhkl::keyboard_list_index(crystal_system::cubic));
}

}  // namespace
}  // namespace quarvel::testing
