// Found cells in lattice terms: their lines read back, their verdicts, and quarvel-search --json
// holding exactly the report's cells.
#include "main/found_cell_lattice.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "json_check.hpp"
#include "json_reader.hpp"
#include "lattice/metric.hpp"
#include "lattice/number_text.hpp"
#include "search_json.hpp"
#include "search_options.hpp"
#include "search_session.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel {
namespace {

TEST(FoundLine, ReadsEveryFieldAsPrintedAndRefusesEndings) {
  struct row {
    std::string line;
    bool is_cell;
    double a, volume;
    double m4;  // the second row's middle entry
    int cross_reference, number;
  };
  const row rows[] = {
      {"ORTH  5.431  7.123  9.877  90.00  90.00  90.00   382.1  1.00  ( 1.00 0.00 0.00),( 0.00 "
       "1.00 0.00),( 0.00 0.00 1.00)  7    1",
       true, 5.431, 382.1, 1, 7, 1},
      {"TETR  5.657  5.657  4.000  90.00  90.00  90.00   128.0  2.00  ( 1.00 1.00 0.00),( "
       "1.00-1.00 "
       "0.00),( 0.00 0.00 1.00)       2",
       true, 5.657, 128, -1, 0, 2},
      // A raw line of a stopped search, and edges of 100 A that touch the field before.
      {"MONO100.000100.000  4.000  90.00 120.00  90.00 34641.0 10.00  ( 2.00 0.00 0.00),( "
       "0.00-2.00 "
       "0.00),( 0.00 0.00 1.00)",
       true, 100, 34641, -2, 0, 0},
      {"No other cell", false, 0, 0, 0, 0, 0},
      {"Stopped by the user", false, 0, 0, 0, 0, 0},
  };
  for (const row& r : rows) {
    const std::optional<found_line_fields> f = read_found_line(r.line);
    ASSERT_EQ(f.has_value(), r.is_cell) << r.line;
    if (!f) continue;
    EXPECT_DOUBLE_EQ(f->cell[0], r.a) << r.line;
    EXPECT_DOUBLE_EQ(f->volume, r.volume) << r.line;
    EXPECT_DOUBLE_EQ(f->matrix[4], r.m4) << r.line;
    EXPECT_EQ(f->cross_reference, r.cross_reference) << r.line;
    EXPECT_EQ(f->number, r.number) << r.line;
  }
}

TEST(FoundCellLattice, VerdictsOnTheCubicLatticeAndAFractionalMatrix) {
  struct row {
    lattice::cell start;
    std::array<double, 9> matrix;
    const char* verdict;
    const char* bravais;
    const char* change_of_basis;
  };
  const lattice::cell cube{4, 4, 4, 90, 90, 90};
  const lattice::cell orthohexagonal{5, 8.6603, 7, 90, 90, 90};
  const row rows[] = {
      {cube, {1, 0, 0, 0, 1, 0, 0, 0, 1}, "same lattice", "cP", "a,b,c"},
      {cube,
       {1, 1, 0, 1, -1, 0, 0, 0, 1},
       "same lattice, C-centred cell: no new reflections, only the centring's extinctions",
       "cP",
       "a+b,a-b,c"},
      {cube,
       {1, 0, 0, 0, 1, 0, 0, 0, 2},
       "superlattice \u00d72: needs superstructure reflections",
       "tP",
       "a,b,2*c"},
      // The hexagonal cell of the cube's body diagonal: cP is rhombohedral with alpha = 90.
      {cube,
       {1, 1, 0, 0, -1, 1, -1, 1, 1},
       "same lattice, R-centred cell: no new reflections, only the centring's extinctions",
       "cP",
       "a+b,-b+c,-a+b+c"},
      // Three lattice points in the cell, but not those of R centring.
      {cube,
       {1, 0, 0, 0, 1, 0, 0, 0, 3},
       "superlattice \u00d73: needs superstructure reflections",
       "tP",
       "a,b,3*c"},
      // The hexagonal cell inside an orthohexagonal one holds its C translation.
      {orthohexagonal,
       {0.5, 0.5, 0, -1, 0, 0, 0, 0, 1},
       "the lattice of the starting cell read as C-centred: axes are fractions of the starting "
       "axes",
       "hP",
       "1/2*a+1/2*b,-a,c"},
      {orthohexagonal,
       {0.5, 1.5, 0, 2, -1, 0, 0, 0, 1},
       "another lattice: axes are fractions of the starting axes, and neither lattice holds the "
       "other",
       "hP",
       "1/2*a+3/2*b,2*a-b,c"},
      {cube,
       {0.5, 0, 0, 0, 1, 0, 0, 0, 1},
       "sublattice \u00d72: axes are fractions of the starting axes, a finer lattice",
       "tP",
       "1/2*a,b,c"},
  };
  for (const row& r : rows) {
    found_line_fields f;
    f.matrix = r.matrix;
    const found_cell_lattice e = explain_found_cell(f, r.start, 3);
    EXPECT_EQ(e.verdict(), r.verdict) << r.change_of_basis;
    EXPECT_EQ(lattice::bravais_name(e.bravais), r.bravais) << r.change_of_basis;
    EXPECT_EQ(lattice::change_of_basis_text(e.matrix), r.change_of_basis);
  }
  found_line_fields super;
  super.matrix = {1, 1, 0, 0, -1, 1, -1, 1, 1};
  EXPECT_EQ(explanation_text(explain_found_cell(super, cube, 3)),
            "cP, \xce\xb4 0.00\xc2\xb0: same lattice, R-centred cell: no new reflections, "
            "only the centring's extinctions; a+b,-b+c,-a+b+c");
}

// A cell whose symmetry maps the starting lattice onto itself describes that lattice with a
// centring, so the type named is the starting lattice's: the cubic cell found from the
// rhombohedral 60° cell of a cF lattice is cF, and the face-centred cell of a cP lattice is cP,
// each a centred cell of the same lattice.
TEST(FoundCellLattice, CentredCellsNameTheStartingLatticesType) {
  struct row {
    lattice::cell start;
    std::array<double, 9> matrix;
    const char* bravais;
    int index;
  };
  const row rows[] = {
      {{4, 4, 4, 60, 60, 60}, {-1, 1, 1, 1, -1, 1, 1, 1, -1}, "cF", 4},
      {{4, 4, 4, 90, 90, 90}, {1, 1, 0, 1, 0, 1, 0, 1, 1}, "cP", 2},
  };
  for (const row& r : rows) {
    found_line_fields f;
    f.matrix = r.matrix;
    const found_cell_lattice e = explain_found_cell(f, r.start, 3);
    EXPECT_EQ(e.relation.kind, lattice::relation_kind::same_lattice);
    EXPECT_EQ(lattice::bravais_name(e.bravais), r.bravais);
    EXPECT_EQ(e.relation.index, r.index);
  }
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// Golden cases of the command line: the JSON parses, its cells are the report's lines, and each
// cell's numbers read back exactly as the starting cell carried through the line's matrix.
TEST(SearchJson, IsValidAndHoldsTheReportsCellsAtFullPrecision) {
  testing::temp_folder folder;
  const std::string sum = folder.write("s.sum", testing::joined(testing::kSampleSummary, "\r\n"));
  const std::vector<std::vector<std::string>> cases{
      {"--cell", "4", "4", "4", "90", "90", "90", "--max-vector", "1"},
      {"--cell", "5", "8.6603", "7", "90", "90", "90"},
      {"--cell", "5", "6", "7", "90", "95", "90", "--max-vector", "1", "--systems", "cubic"},
      {"--sum", sum, "--all-solutions", "--max-vector", "2"},
  };
  for (const auto& args : cases) {
    const cli::parse_outcome parsed = cli::parse_arguments(args);
    ASSERT_EQ(parsed.error, "");
    const cli::session_result result = cli::run_search(parsed.options);
    const std::string text = cli::search_json(result.searches, result.messages);
    const testing::json_document doc(text);
    const testing::json_check checked = testing::check_json(text);
    ASSERT_EQ(checked.problem, "");
    const std::map<std::string, double>& numbers = checked.numbers;
    ASSERT_TRUE(doc.valid()) << doc.error();
    const sajson::value searches = testing::key(doc.root(), "searches");
    ASSERT_EQ(searches.get_length(), result.searches.size()) << args[1];
    for (size_t s = 0; s < searches.get_length(); ++s) {
      const std::vector<std::string>& report = result.searches[s].report;
      const sajson::value cells = testing::key(searches.get_array_element(s), "cells");
      const sajson::value endings = testing::key(searches.get_array_element(s), "endings");
      ASSERT_EQ(cells.get_length() + endings.get_length(), report.size() - 6) << args[1];
      for (size_t k = 0; k < cells.get_length(); ++k) {
        const sajson::value cell = cells.get_array_element(k);
        const std::vector<std::string> printed = words(report[6 + k]);
        EXPECT_EQ(testing::key(cell, "system").as_string(), printed[0]);
        EXPECT_EQ(testing::key(cell, "line").as_string(), report[6 + k]);
        const std::optional<found_line_fields> f = read_found_line(report[6 + k]);
        ASSERT_TRUE(f.has_value());
        const lattice::rational_matrix m = found_cell_matrix(*f);
        const auto computed =
            lattice::cell_of(
                lattice::transformed(lattice::metric_of(result.searches[s].start), m.to_real()))
                .parameters();
        const std::string path = "searches/" + std::to_string(s) + "/cells/" + std::to_string(k);
        for (size_t i = 0; i < 6; ++i) {
          const double x = numbers.at(path + "/cell/" + std::to_string(i));
          EXPECT_EQ(x, computed[i]) << report[6 + k];
          // The line rounds the search's own 48-bit numbers, which may end one digit off.
          EXPECT_NEAR(x, std::stod(printed[1 + i]), i < 3 ? 2e-3 : 2e-2) << report[6 + k];
        }
        for (int i = 0; i < 9; ++i)
          EXPECT_EQ(
              numbers.at(path + "/matrix/" + std::to_string(i / 3) + "/" + std::to_string(i % 3)),
              m.at(i));
        EXPECT_EQ(lattice::fixed(testing::key(cell, "ratio").get_number_value(), 2), printed[8]);
        EXPECT_EQ(testing::key(cell, "number").get_integer_value(), std::stoi(printed.back()));
        // A hexagonal cell made of half axes may belong to neither lattice.
        const std::string verdict = testing::key(cell, "verdict").as_string();
        EXPECT_TRUE(verdict == "same lattice" || verdict == "superlattice" ||
                    verdict == "sublattice" || (verdict == "another lattice" && !m.is_integer()))
            << verdict;
      }
    }
  }
}

// The orthohexagonal cell 5 × 8.6603 × 7 of a hexagonal lattice: a hexagonal cell of half axes
// belongs to a lattice in which the starting cell is the C-centred cell, and the JSON says that
// the centred cell is the starting one; a whole-number cell never names the starting cell.
TEST(SearchJson, AFoundCellOfHalfAxesNamesTheStartingCellAsTheCentredOne) {
  const cli::parse_outcome parsed =
      cli::parse_arguments({"--cell", "5", "8.6603", "7", "90", "90", "90"});
  ASSERT_EQ(parsed.error, "");
  const cli::session_result result = cli::run_search(parsed.options);
  const testing::json_document doc(cli::search_json(result.searches, result.messages));
  ASSERT_TRUE(doc.valid()) << doc.error();
  const sajson::value cells =
      testing::key(testing::key(doc.root(), "searches").get_array_element(0), "cells");
  int starting_cell_named = 0;
  for (size_t k = 0; k < cells.get_length(); ++k) {
    const sajson::value cell = cells.get_array_element(k);
    const std::string line = testing::key(cell, "line").as_string();
    const std::optional<found_line_fields> f = read_found_line(line);
    ASSERT_TRUE(f.has_value());
    const bool centred = testing::key(cell, "centring").get_type() == sajson::TYPE_STRING;
    const bool named = testing::key(cell, "starting_cell_centred").get_type() == sajson::TYPE_TRUE;
    EXPECT_EQ(named, centred && !found_cell_matrix(*f).is_integer()) << line;
    starting_cell_named += named;
  }
  EXPECT_GT(starting_cell_named, 0);
}

}  // namespace
}  // namespace quarvel
