// A summary's solutions as the comparison reads them: numbered as the window's list numbers
// them, with the lines it cannot use and why; and the comparison of a summary file.
#include "mathhkl/sum_solutions.hpp"

#include <gtest/gtest.h>

#include "json_reader.hpp"
#include "lattice_output/solution_groups_output.hpp"
#include "platform/error.hpp"
#include "summary_lattice/summary_comparison.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace {

using quarvel::testing::joined;
using quarvel::testing::kSampleSummary;

TEST(SumSolutions, NumbersTheListedCellsAndGivesTheReasonForLinesItCannotUse) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const mathhkl::sum_solutions s = mathhkl::read_sum_solutions(joined(kSampleSummary, end));
    ASSERT_EQ(s.solutions.size(), 3u) << "line end " << int(end[0]) << int(end[1]);
    EXPECT_EQ(s.solutions[0].number, 1);
    EXPECT_EQ(s.solutions[0].line, 4);
    EXPECT_NEAR(double(s.solutions[0].cell[0]), 5.4307, 1e-9);  // a 48-bit real
    EXPECT_EQ(s.solutions[1].line, 5);
    EXPECT_EQ(s.solutions[2].number, 3);
    EXPECT_EQ(s.solutions[2].line, 9);
    // The heading line of words is no solution; five numbers and a bad last item are.
    ASSERT_EQ(s.rejected.size(), 2u);
    EXPECT_EQ(s.rejected[0].line, 6);
    EXPECT_EQ(s.rejected[0].reason, "only 5 number(s) where a cell needs six");
    EXPECT_EQ(s.rejected[1].line, 7);
  }
}

TEST(SumSolutions, KeepsTheFigureOfMeritOfCharactersOneToTen) {
  struct row {
    const char* lead;
    std::optional<double> fom;
  };
  const row rows[] = {{" 20  31.2", 31.2},          {"100 123.45", 123.45},
                      {" 18     0", 0.0},           {" 20", std::nullopt},  // the count alone
                      {"  ITO 31.2", std::nullopt},  // a word where the count goes
                      {" 20  31.x", std::nullopt},  {" 20 31 40", std::nullopt}};
  for (const row& r : rows) {
    const mathhkl::sum_solutions s = mathhkl::read_sum_solutions(quarvel::testing::summary_line(
        r.lead, "1.00", "  5.00000  6.00000  7.00000  90.000  90.000  90.000"));
    ASSERT_EQ(s.solutions.size(), 1u) << r.lead;
    ASSERT_EQ(s.solutions[0].figure_of_merit.has_value(), r.fom.has_value()) << r.lead;
    if (r.fom) {
      EXPECT_NEAR(*s.solutions[0].figure_of_merit, *r.fom, 1e-9) << r.lead;
    }
  }
}

TEST(SumSolutions, ANumberBeyondTheStoredRangeRejectsItsLineOnly) {
  std::vector<std::string> lines = kSampleSummary;
  lines.push_back(
      quarvel::testing::summary_line(" 1 1", "1.00", "  1e39  5.0  5.0  90.0  90.0  90.0"));
  lines.push_back(
      quarvel::testing::summary_line(" 1 1", "1.00", "  4.0  5.0  5.0  90.0  90.0  90.0"));
  const mathhkl::sum_solutions s = mathhkl::read_sum_solutions(joined(lines, "\r\n"));
  EXPECT_EQ(s.solutions.size(), 4u);
  ASSERT_EQ(s.rejected.size(), 3u);
  EXPECT_EQ(s.rejected[2].reason, "Floating point overflow");
}

TEST(SumSolutions, ASummaryFileComparesToValidJsonAndAMissingFileThrows) {
  quarvel::testing::temp_folder folder;
  const std::string path = folder.write("s.sum", joined(kSampleSummary, "\r\n"));
  const lattice::solution_comparison c = quarvel::compare_summary(path, {});
  EXPECT_EQ(c.solutions.size(), 3u);
  EXPECT_EQ(c.unusable.size(), 2u);
  const std::string text = lattice::comparison_json(c);
  EXPECT_TRUE(quarvel::testing::json_document(text).valid()) << text;
  EXPECT_THROW(quarvel::compare_summary(folder.path().string() + "/none.sum", {}), platform::error);
}

}  // namespace
