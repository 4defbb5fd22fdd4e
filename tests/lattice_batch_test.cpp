// Batch analysis: every sound line analysed and printed in its place, every bad line reported
// with its number, whichever the order of the lines and the threads.
#include "lattice_batch.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "json_check.hpp"
#include "lattice_output/analysis_output.hpp"
#include "lattice_process.hpp"

namespace quarvel::cli {
namespace {

using quarvel::testing::check_json;
using quarvel::testing::lines_of;

batch_outcome batch(const std::string& text, lattice::analysis_options options = {},
                    bool csv = false) {
  std::istringstream in(text);
  return run_batch(in, options, csv);
}

// The fields of a CSV row; a quoted field may hold commas.
std::vector<std::string> csv_fields(const std::string& row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char ch : row) {
    if (ch == '"') {
      quoted = !quoted;
    } else if (ch == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += ch;
    }
  }
  return fields;
}

const std::string kMixed =
    "# cells of a powder run\n"            // 1
    "\n"                                   // 2
    "4 4 4 90 90 90\n"                     // 3
    "F 5 5 5 90 90 90   # own centring\n"  // 4
    "   \t  \n"                            // 5
    "4 4 4 90 90\n"                        // 6: five fields
    "X 4 4 4 90 90 90\n"                   // 7: no centring
    "4 4 nan 90 90 90\n"                   // 8: not a number
    "4 4 4 10 10 150\n"                    // 9: angles do not close
    "3 4 5 90 100 90\n"                    // 10
    "P 4 4 4 90 90 90 4\n"                 // 11: eight fields
    "0 4 4 90 90 90\n"                     // 12: no volume
    "4,5 4 4 90 90 90\n";                  // 13: decimal comma

TEST(LatticeBatch, BadLinesAreReportedByNumberAndTheOthersStillAnalysed) {
  const batch_outcome out = batch(kMixed);
  EXPECT_EQ(out.failed, 7);
  EXPECT_EQ(out.errors,
            "line 6: expected [centring] a b c alpha beta gamma, found 5 fields\n"
            "line 7: 'X' is not a centring (P, A, B, C, I, F or R)\n"
            "line 8: 'nan' is not a number\n"
            "line 9: the cell has no volume: its angles do not close\n"
            "line 11: expected [centring] a b c alpha beta gamma, found 8 fields\n"
            "line 12: cell edges must be positive numbers\n"
            "line 13: '4,5' is not a number\n");
  const std::vector<std::string> objects = lines_of(out.output);
  ASSERT_EQ(objects.size(), 3u);
  for (const std::string& o : objects) EXPECT_EQ(check_json(o).problem, "") << o;
  EXPECT_NE(objects[0].find(R"("input":{"cell":[4,4,4,90,90,90],"centring":"P")"),
            std::string::npos);
  EXPECT_NE(objects[1].find(R"("input":{"cell":[5,5,5,90,90,90],"centring":"F")"),
            std::string::npos);
  EXPECT_NE(objects[1].find(R"("bravais":"cF")"), std::string::npos);
  EXPECT_NE(objects[2].find(R"("input":{"cell":[3,4,5,90,100,90],"centring":"P")"),
            std::string::npos);
}

// Bad lines are skipped, so only the number in each object ties a result to its input line.
TEST(LatticeBatch, EachJsonObjectCarriesItsInputLineNumber) {
  const std::vector<std::string> objects = lines_of(batch(kMixed).output);
  const char* const numbers[] = {"3", "4", "10"};
  ASSERT_EQ(objects.size(), std::size(numbers));
  for (std::size_t i = 0; i < objects.size(); ++i) {
    SCOPED_TRACE(objects[i]);
    EXPECT_NE(objects[i].find(std::string(R"(,"line":)") + numbers[i] + "}"), std::string::npos);
    EXPECT_EQ(check_json(objects[i]).problem, "");
  }
}

TEST(LatticeBatch, OptionsApplyToEveryLineAndALinesCentringOverridesOnlyItsOwn) {
  lattice::analysis_options options;
  options.centring_type = lattice::centring::I;
  options.delta_limit = 1;
  options.max_index = 2;
  const std::vector<std::string> objects =
      lines_of(batch("4 4 5.657 90 90 90\nP 4 4 5.657 90 90 90\n", options).output);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_NE(objects[0].find(R"("centring":"I")"), std::string::npos);
  EXPECT_NE(objects[1].find(R"("centring":"P")"), std::string::npos);
  for (const std::string& o : objects) {
    EXPECT_NE(o.find(R"("delta_limit":1,)"), std::string::npos);
    EXPECT_EQ(check_json(o).problem, "");
  }
  // The primitive cell has a cubic sub-lattice of index 2 (a-b, a+b, c); it is listed only
  // because the largest index reaches 2.
  EXPECT_NE(objects[1].find(R"("index":2,"bravais":"cP")"), std::string::npos);
  EXPECT_EQ(lines_of(batch("P 4 4 5.657 90 90 90\n").output)[0].find(R"("index":2)"),
            std::string::npos);
}

TEST(LatticeBatch, WindowsLineEndsAndTrailingCommentsAreRead) {
  const batch_outcome out = batch("4 4 4 90 90 90\r\n# note\r\n3 4 5 90 90 90 # oP\r\n");
  EXPECT_EQ(out.failed, 0);
  EXPECT_EQ(out.errors, "");
  EXPECT_EQ(lines_of(out.output).size(), 2u);
}

TEST(LatticeBatch, ManyLinesComeOutInTheirInputOrder) {
  std::string text;
  for (int k = 0; k < 300; ++k) text += std::to_string(10 + k) + " 7 9 90 90 90\n";
  const std::vector<std::string> objects = lines_of(batch(text).output);
  ASSERT_EQ(objects.size(), 300u);
  for (int k = 0; k < 300; ++k) {
    SCOPED_TRACE(k);
    const std::string expected = R"({"input":{"cell":[)" + std::to_string(10 + k) + ",7,9,";
    EXPECT_EQ(objects[static_cast<std::size_t>(k)].rfind(expected, 0), 0u);
  }
}

TEST(LatticeBatch, CsvHasItsHeaderThenOneRowPerSoundLine) {
  const batch_outcome out = batch(kMixed, {}, true);
  EXPECT_EQ(out.failed, 7);
  const std::vector<std::string> rows = lines_of(out.output);
  ASSERT_EQ(rows.size(), 4u);
  const std::vector<std::string> header = csv_fields(rows[0]);
  EXPECT_EQ(header.front(), "line");
  for (std::size_t r = 1; r < rows.size(); ++r) {
    SCOPED_TRACE(rows[r]);
    EXPECT_EQ(csv_fields(rows[r]).size(), header.size());
  }
  EXPECT_EQ(csv_fields(rows[1])[0], "3");
  EXPECT_EQ(csv_fields(rows[2])[0], "4");
  EXPECT_EQ(csv_fields(rows[3])[0], "10");
  // The highest entry of each cell: cubic P, cubic F, monoclinic P.
  EXPECT_EQ(csv_fields(rows[1])[8], "cP");
  EXPECT_EQ(csv_fields(rows[2])[8], "cF");
  EXPECT_EQ(csv_fields(rows[3])[8], "mP");
}

TEST(LatticeBatch, AnEmptyInputAnalysesNothingAndFailsNothing) {
  for (const char* text : {"", "\n\n", "# only a comment\n", "#"}) {
    SCOPED_TRACE(text);
    const batch_outcome json = batch(text);
    EXPECT_EQ(json.output, "");
    EXPECT_EQ(json.failed, 0);
    EXPECT_EQ(batch(text, {}, true).output, lattice::csv_header());
  }
}

}  // namespace
}  // namespace quarvel::cli
