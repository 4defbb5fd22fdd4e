// Which cell the lattice panel analyses, read through the form and its toolkit, and an entry's
// cell put back into the window as the user would type it.
#include "main/starting_cell.hpp"

#include "form_fixture.hpp"
#include "lattice/number_text.hpp"
#include "mathhkl/sum_solutions.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

class StartingCell : public FormTest {
 protected:
  void import_sample() {
    tk.queue_file(folder.write("cells.sum", joined(kSampleSummary, "\r\n")));
    tk.click(control::BitBtn3);
  }

  temp_folder folder;
};

TEST_F(StartingCell, TypedFieldsAreTheCellInKeyboardMode) {
  enter_cell(crystal_system::triclinic, {"5.1", "6.2", "7.3", "80", "95.5", "100"});
  const std::optional<starting_cell> start = current_starting_cell(form);
  ASSERT_TRUE(start) << tk.messages().size() << " messages";
  EXPECT_EQ(start->cell.parameters(), (std::array<double, 6>{5.1, 6.2, 7.3, 80, 95.5, 100}));
  EXPECT_EQ(start->source, "typed");

  // Half-typed fields, as the panel sees them between keystrokes.
  for (const char* partial : {"", "5.", "-", "5e"}) {
    SCOPED_TRACE(partial);
    tk.set_text(control::Edit3, partial);
    EXPECT_EQ(current_starting_cell(form).has_value(), std::string(partial) == "5.");
  }
}

TEST_F(StartingCell, TheSelectedSolutionAtFullPrecisionInCrysfireMode) {
  import_sample();
  const mathhkl::sum_solutions read = mathhkl::read_sum_solutions(joined(kSampleSummary, "\r\n"));
  for (int row : {1, 2, 3}) {
    SCOPED_TRACE(row);
    tk.select(control::ListBox1, row);
    const std::optional<starting_cell> start = current_starting_cell(form);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->source, "Crysfire solution " + std::to_string(row));
    const auto& c = read.solutions.at(static_cast<size_t>(row - 1)).cell;
    ASSERT_EQ(read.solutions.at(static_cast<size_t>(row - 1)).number, row);
    EXPECT_EQ(start->cell.parameters(),
              (std::array<double, 6>{double(c[0]), double(c[1]), double(c[2]), double(c[3]),
                                     double(c[4]), double(c[5])}));
  }
  tk.select(control::ListBox1, 0);  // the heading line
  EXPECT_FALSE(current_starting_cell(form));
}

TEST_F(StartingCell, TheLastSearchesCellWhenNoEntryPanelShows) {
  EXPECT_FALSE(current_starting_cell(form)) << "no search has run";
  const std::array<long double, 6> p{4.5L, 4.5L, 7.25L, 90, 90, 120};
  for (size_t k = 0; k < 6; ++k) form.shared().cell[k] = p[k];
  const std::optional<starting_cell> start = current_starting_cell(form);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->cell.parameters(), (std::array<double, 6>{4.5, 4.5, 7.25, 90, 90, 120}));
  EXPECT_EQ(start->source, "last search");
}

TEST_F(StartingCell, LargestIndexIsMaxVolumeRatioWhenItIsAWholeNumberFromOneToTen) {
  const struct {
    const char* typed;
    int index;
  } cases[] = {{"4", 4}, {" 10 ", 10}, {"1", 1}, {"11", 1}, {"0", 1}, {"2.5", 1}, {"x", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    tk.type(control::Edit11, c.typed);
    EXPECT_EQ(default_largest_index(form), c.index);
  }
}

// Each system's entry put into the window: its system chosen, the fields as the user would type
// them (tied fields repeat their parameter), and read back as the cell that is analysed next.
TEST_F(StartingCell, AnEntryPutIntoTheWindowIsTheNextStartingCell) {
  const struct {
    lattice::cell input;
    lattice::centring given;
    lattice::bravais_type type;
    crystal_system system;
    std::array<const char*, 6> fields;
    lattice::centring put;
  } cases[] = {
      {{5.43, 5.43, 5.43, 90, 90, 90},
       lattice::centring::F,
       lattice::bravais_type::cF,
       crystal_system::cubic,
       {"5.4300", "5.4300", "5.4300", "90", "90", "90"},
       lattice::centring::F},
      {{4, 4, 6.5, 90, 90, 90},
       lattice::centring::I,
       lattice::bravais_type::tI,
       crystal_system::tetragonal,
       {"4.0000", "4.0000", "6.5000", "90", "90", "90"},
       lattice::centring::I},
      {{4, 5, 6, 90, 90, 90},
       lattice::centring::P,
       lattice::bravais_type::oP,
       crystal_system::orthorhombic,
       {"4.0000", "5.0000", "6.0000", "90", "90", "90"},
       lattice::centring::P},
      {{3.2, 3.2, 5.1, 90, 90, 120},
       lattice::centring::P,
       lattice::bravais_type::hP,
       crystal_system::hexagonal,
       {"3.2000", "3.2000", "5.1000", "90", "90", "120"},
       lattice::centring::P},
      {{5, 5, 5, 70, 70, 70},
       lattice::centring::P,
       lattice::bravais_type::hR,
       crystal_system::rhombohedral,
       {"5.0000", "5.0000", "5.0000", "70.000", "70.000", "70.000"},
       lattice::centring::P},
      {{5, 6, 7, 90, 100, 90},
       lattice::centring::C,
       lattice::bravais_type::mC,
       crystal_system::monoclinic,
       {"5.0000", "6.0000", "7.0000", "90", "100.000", "90"},
       lattice::centring::C},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(lattice::bravais_name(c.type));
    const lattice::analysis a = lattice::analyse(c.input, {c.given, 3.0, 1});
    ASSERT_EQ(a.lattices.front().bravais, c.type);
    const lattice::centring put = put_starting_cell(form, a.lattices.front());
    EXPECT_EQ(put, c.put);
    EXPECT_TRUE(tk.visible(control::Panel1));
    EXPECT_EQ(tk.selected_index(control::ListBox3), mathhkl::keyboard_list_index(c.system));
    for (size_t k = 0; k < 6; ++k)
      EXPECT_EQ(tk.text(toolkit::kCellFields[k]), c.fields[k]) << "field " << k;
    const std::optional<starting_cell> start = current_starting_cell(form);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->source, "typed");
    EXPECT_EQ(lattice::cell_text(start->cell), lattice::cell_text(c.input));
  }
}

}  // namespace
}  // namespace quarvel::testing
