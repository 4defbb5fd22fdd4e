// Bad typed input: what a cell field, a search condition and the command line answer. Each
// table is a group of rows of the README's "Bad input" table.
#include <algorithm>

#include "form_fixture.hpp"
#include "search_options.hpp"
#include "search_session.hpp"

namespace quarvel::testing {
namespace {

constexpr const char* kNoVolume = "The starting cell has no volume: check its edges and angles";

class BadTypedInput : public FormTest {
 protected:
  // The boxes shown since the last call, without their kind.
  std::vector<std::string> new_boxes() {
    const std::vector<std::string> all = tk.messages();
    std::vector<std::string> fresh;
    for (size_t i = seen_; i < all.size(); ++i)
      fresh.push_back(all[i].substr(all[i].find(' ') + 1));
    seen_ = all.size();
    return fresh;
  }
  std::vector<std::string> codes_found() const {
    std::vector<std::string> codes;
    for (const auto& line : found()) codes.push_back(line.substr(0, 4));
    return codes;
  }

 private:
  size_t seen_ = 0;
};

using boxes = std::vector<std::string>;

TEST_F(BadTypedInput, CellFieldIsCheckedWhenLeft) {
  const struct {
    const char* name;
    std::string text;
    boxes answer;
    long double stored;  // the value of a, when no box is shown
  } rows[] = {
      {"beyond the stored range", "1e39", {"Floating point overflow"}, 0},
      {"100 kB of digits", std::string(100000, '7'), {"Floating point overflow"}, 0},
      {"nan", "nan", {"Type error!"}, 0},
      {"inf", "inf", {"Type error!"}, 0},
      {"decimal comma", "5,431", {"Type error!"}, 0},
      {"below the smallest stored real", "1e-50", {}, 0},
      {"good", "5.431", {}, mathhkl::real48(5.431L)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    tk.click(control::BitBtn2);
    select_system(crystal_system::triclinic);
    form.shared().cell[0] = 9.0L;
    tk.type(control::Edit3, row.text);
    tk.focus(control::Edit4);
    EXPECT_EQ(new_boxes(), row.answer);
    if (row.answer.empty()) {
      EXPECT_EQ(form.shared().cell[0], row.stored);
    }
    // A field that fails its check keeps the focus until its text is a number.
    tk.type(control::Edit3, "1");
    tk.focus(control::Edit4);
    new_boxes();
  }
}

TEST_F(BadTypedInput, ConditionsAreCheckedWhenRunStarts) {
  const struct {
    const char* name;
    control field;
    std::string text;
    boxes answer;
    // With no box: the systems that may be found, or only "No other cell" when empty.
    std::vector<std::string> systems = {};
  } rows[] = {
      {"tolerance beyond the stored range", control::Edit1, "1e39", {"Floating point overflow"}},
      {"nan tolerance", control::Edit1, "nan", {"Error on Parameter tolerance"}},
      {"inf tolerance", control::Edit2, "inf", {"Error on angular tolerance"}},
      {"decimal comma", control::Edit1, "0,005", {"Error on Parameter tolerance"}},
      {"negative length tolerance: no edges are equal",
       control::Edit1,
       "-0.005",
       {},
       {"ORTH", "MONO"}},
      {"zero length tolerance", control::Edit1, "0", {}, {"ORTH", "MONO"}},
      {"length tolerance stored as 0", control::Edit1, "1e-50", {}, {"ORTH", "MONO"}},
      {"negative angle tolerance: no angle fits", control::Edit2, "-0.3", {}, {}},
      {"max_vector 0: no vectors", control::Edit9, "0", {}, {}},
      {"negative max_vector", control::Edit9, "-5", {}, {}},
      {"max_vector above 20", control::Edit9, "21", {"Max vector must not exceed 20"}},
      {"max_vector beyond an integer",
       control::Edit9,
       "99999999999",
       {"'99999999999' is not a valid integer value"}},
      {"max_vector in exponent form",
       control::Edit9,
       "1e3",
       {"'1e3' is not a valid integer value"}},
      {"V/Vo beyond the stored range", control::Edit11, "1e39", {"Floating point overflow"}},
      {"negative V/Vo", control::Edit11, "-1", {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    enter_cell(crystal_system::cubic, {"4", "4", "4", "90", "90", "90"});
    tk.type(control::Edit1, "0.005");
    tk.type(control::Edit2, "0.3");
    tk.type(control::Edit9, "1");
    tk.type(control::Edit11, "10");
    tk.type(row.field, row.text);
    new_boxes();
    run();
    EXPECT_EQ(new_boxes(), row.answer);
    if (!row.answer.empty()) {
      EXPECT_EQ(form.found_count(), 0);
    } else if (row.systems.empty()) {
      EXPECT_EQ(found(), std::vector<std::string>{"No other cell"});
    } else {
      const std::vector<std::string> codes = codes_found();
      ASSERT_FALSE(codes.empty());
      for (const auto& code : codes) {
        EXPECT_NE(std::find(row.systems.begin(), row.systems.end(), code), row.systems.end())
            << code;
      }
    }
  }
}

TEST_F(BadTypedInput, CellWithoutVolumeIsRefusedAtRun) {
  const struct {
    const char* name;
    std::array<std::string, 6> cell;
    const char* answer;
  } rows[] = {
      {"negative edge", {"-4", "4", "4", "90", "90", "90"}, kNoVolume},
      {"zero edge", {"4", "0", "4", "90", "90", "90"}, kNoVolume},
      {"edge stored as 0", {"4", "4", "1e-50", "90", "90", "90"}, kNoVolume},
      {"angles that do not close", {"4", "5", "6", "10", "10", "150"}, kNoVolume},
      {"angles that close flat", {"4", "4", "4", "120", "120", "120"}, kNoVolume},
      {"volume beyond the stored range",
       {"1e30", "1e30", "1e30", "90", "90", "90"},
       "Floating point overflow"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    enter_cell(crystal_system::triclinic, row.cell);
    tk.type(control::Edit9, "1");
    new_boxes();
    run();
    EXPECT_EQ(new_boxes(), boxes{row.answer});
    EXPECT_EQ(form.found_count(), 0);
  }
}

TEST(BadCommandLine, EveryRefusalHasItsMessageAndStatus) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> messages;
    bool printed = false;  // the report of the cells found before the failure
  } rows[] = {
      // Numbers beyond the stored range once ended the program before the search.
      {{"--cell", "1e39", "4", "4", "90", "90", "90"},
       1,
       {"Floating point overflow", "Floating point overflow"}},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--ptol", "1e39"},
       1,
       {"Floating point overflow"}},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--atol", "1e39"},
       1,
       {"Floating point overflow"}},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--max-vector", "21"},
       1,
       {"Max vector must not exceed 20"}},
      {{"--cell", "4", "4", "4", "10", "10", "150"}, 1, {kNoVolume}},
      // A search that fails half-way was once reported as a full list (status 3).
      {{"--cell", "6e5", "9", "49", "90", "910", "90", "--max-vector", "1"},
       1,
       {"Invalid floating point operation"},
       true},
      {{"--cry", "no-such-file.cry"}, 4, {"File not found"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args[1]);
    const cli::parse_outcome parsed = cli::parse_arguments(row.args);
    ASSERT_EQ(parsed.error, "");
    const cli::session_result r = cli::run_search(parsed.options);
    EXPECT_EQ(r.exit_status, row.status);
    EXPECT_EQ(r.messages, row.messages);
    EXPECT_EQ(!r.report.empty(), row.printed);
  }
  EXPECT_EQ(cli::parse_arguments({"--cell", "nan", "4", "4", "90", "90", "90"}).error,
            "--cell: 'nan' is not a number");
  EXPECT_EQ(cli::parse_arguments({"--cell", "5,431", "4", "4", "90", "90", "90"}).error,
            "--cell: '5,431' is not a number");
}

}  // namespace
}  // namespace quarvel::testing
