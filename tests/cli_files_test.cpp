// quarvel-search with its starting cell from a cell file or a Crysfire summary, and the cell
// saved: the window's own handlers, played on the headless toolkit.
#include <gtest/gtest.h>

#include "search_options.hpp"
#include "search_session.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel::cli {
namespace {

using testing::joined;
using testing::kSampleList;
using testing::kSampleSummary;

class QuarvelSearchFiles : public ::testing::Test {
 protected:
  session_result search(const std::vector<std::string>& args) {
    const parse_outcome out = parse_arguments(args);
    EXPECT_EQ(out.error, "");
    return run_search(out.options);
  }
  testing::temp_folder folder;
};

TEST_F(QuarvelSearchFiles, EverySolutionIsSearchedUnderItsListLine) {
  const std::string sum = folder.write("cells.sum", joined(kSampleSummary, "\n"));
  const session_result all =
      search({"--sum", sum, "--all-solutions", "--max-vector", "1", "--max-ratio", "2"});
  EXPECT_EQ(all.exit_status, 0);
  EXPECT_TRUE(all.messages.empty());
  std::vector<std::string> expected;
  for (int k = 1; k <= 3; ++k) {
    const session_result one = search(
        {"--sum", sum, "--solution", std::to_string(k), "--max-vector", "1", "--max-ratio", "2"});
    ASSERT_FALSE(one.report.empty()) << k;
    if (k > 1) expected.emplace_back();
    expected.push_back(kSampleList[k]);
    expected.insert(expected.end(), one.report.begin(), one.report.end());
  }
  EXPECT_EQ(all.report, expected);
  // Solution 2 is the a = c cell, started with b and c exchanged; its own cell names it.
  const std::vector<std::string> two(all.report.begin(), all.report.end());
  EXPECT_EQ(
      std::count(two.begin(), two.end(), "TETR  4.000  4.000  6.000  90.00  90.00  90.00     96.0"),
      1);
}

TEST_F(QuarvelSearchFiles, TargetsHoldForEverySolutionAfterARefusal) {
  // The refusal's box re-activates the window, which checks "All" again.
  const std::string sum = folder.write(
      "two.sum", joined({testing::summary_line(" 1  1.0", "1.00", "4 4 4 90 90 90"),
                         testing::summary_line(" 2  2.0", "1.00", "4 5.65685 4 90 90 45")},
                        "\r\n"));
  const session_result r =
      search({"--sum", sum, "--all-solutions", "--max-vector", "1", "--systems", "monoclinic"});
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.messages,
            std::vector<std::string>{"solution 1: From Cubic cell, Quarvel cannot search for a "
                                     "Monoclinic cell"});
  const auto found = std::find(r.report.begin(), r.report.end(), "Found cell(s)");
  ASSERT_GT(r.report.end() - found, 2);
  for (auto line = found + 2; line != r.report.end(); ++line) EXPECT_EQ(line->substr(0, 4), "MONO");
}

TEST_F(QuarvelSearchFiles, CellFileGivesTheReportOfTheTypedCell) {
  const std::string cry =
      folder.write("ortho.cry", "\r\nORTH\r\nNO EXT.\r\n4.1 5.2 6.3 90 90 90\r\n");
  const std::vector<std::string> conditions{"--max-vector", "1", "--max-ratio", "2"};
  std::vector<std::string> from_file{"--cry", cry};
  std::vector<std::string> typed{"--cell", "4.1", "5.2", "6.3", "90", "90", "90"};
  from_file.insert(from_file.end(), conditions.begin(), conditions.end());
  typed.insert(typed.end(), conditions.begin(), conditions.end());
  const session_result a = search(from_file);
  const session_result b = search(typed);
  ASSERT_GT(a.report.size(), 6u);
  EXPECT_EQ(a.report, b.report);
  EXPECT_EQ(a.exit_status, 0);
}

TEST_F(QuarvelSearchFiles, CellWithoutRecognisedSystemStartsAsOrthorhombic) {
  const std::string cry = folder.write("bc.cry", "\r\n\r\n\r\n4 6 6 90 90 90\r\n");
  const session_result r = search({"--cry", cry, "--max-vector", "1"});
  ASSERT_GE(r.report.size(), 3u);
  EXPECT_EQ(r.report[2].substr(0, 4), "ORTH");
}

TEST_F(QuarvelSearchFiles, SolutionSavedAsACellFile) {
  const std::string sum = folder.write("cells.sum", joined(kSampleSummary, "\r\n"));
  const session_result r = search({"--sum", sum, "--solution", "2", "--max-vector", "1",
                                   "--save-cell", (folder.path() / "start").string()});
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(folder.read("start.cry"),
            "\r\nTETR\r\nNO EXT.\r\n   4.000   4.000   6.000  90.000  90.000  90.000\r\n");
}

TEST_F(QuarvelSearchFiles, FileFailuresAndMissingSolutionsHaveTheirStatus) {
  const std::string sum = folder.write("cells.sum", joined(kSampleSummary, "\r\n"));
  const std::string bad_cry = folder.write("comma.cry", "\r\n\r\n\r\n5,431 5 5 90 90 90\r\n");
  const std::string no_cells = folder.write("none.sum", joined({"heading only"}, "\r\n"));
  const struct {
    std::vector<std::string> args;
    const char* message;
    int status;
  } cases[] = {
      {{"--cry", "missing.cry"}, "File not found", 4},
      {{"--cry", bad_cry}, "Invalid numeric input", 4},
      {{"--sum", "missing.sum", "--all-solutions"}, "File not found", 4},
      {{"--sum", sum, "--solution", "4"}, "lists 3 solution(s): there is no solution 4", 1},
      {{"--sum", no_cells, "--all-solutions"}, "lists 0 solution(s)", 1},
      {{"--cell", "4", "5", "6", "90", "90", "90", "--max-vector", "1", "--save-cell",
        (folder.path() / "no-such-folder" / "x.cry").string()},
       "File not found",
       4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const session_result r = search(c.args);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_TRUE(r.messages[0].ends_with(c.message)) << r.messages[0];
    EXPECT_EQ(r.exit_status, c.status);
  }
}

TEST(QuarvelSearchArguments, SourcesAndTheirOptionsGoTogether) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--cry", "a.cry", "--sum", "b.sum", "--solution", "1"},
       "give one starting cell: --cell, --cry or --sum"},
      {{"--sum", "b.sum"}, "--sum needs --solution K or --all-solutions"},
      {{"--sum", "b.sum", "--solution", "1", "--all-solutions"},
       "give --solution K or --all-solutions, not both"},
      {{"--cry", "a.cry", "--solution", "1"}, "--solution and --all-solutions need --sum FILE"},
      {{"--cry", "a.cry", "--sum-atol", "1"}, "--sum-ptol and --sum-atol need --sum FILE"},
      {{"--sum", "b.sum", "--solution", "0"}, "--solution: '0' is not a solution number"},
      {{"--sum", "b.sum", "--solution", "two"}, "--solution: 'two' is not a solution number"},
      {{"--sum", "b.sum", "--all-solutions", "--save-cell", "c"},
       "--save-cell needs one solution, not --all-solutions"},
      {{"--cry"}, "--cry needs a file name"},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_arguments(c.args).error, c.error);
  const search_options o =
      parse_arguments({"--sum", "b.sum", "--solution", "3", "--sum-ptol", "0.02"}).options;
  EXPECT_EQ(o.solution, 3);
  EXPECT_EQ(o.sum_ptol, "0.02");
  EXPECT_FALSE(o.sum_atol);
}

}  // namespace
}  // namespace quarvel::cli
