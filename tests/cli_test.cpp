// quarvel-search: arguments, and the whole report of the worked cubic example.
#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "search_options.hpp"
#include "search_session.hpp"

namespace quarvel::cli {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  return std::accumulate(lines.begin(), lines.end(), std::string(),
                         [](std::string all, const std::string& l) { return all + l + "\n"; });
}

search_options parsed(std::vector<std::string> args) {
  const parse_outcome out = parse_arguments(args);
  EXPECT_EQ(out.error, "");
  return out.options;
}

TEST(QuarvelSearch, CubicExampleReportToTheCharacter) {
  const std::string expected =
      "Initial cell\n"
      "Syst.   a      b      c    alpha  beta   gamma     V \n"
      "CUBI  4.000  4.000  4.000  90.00  90.00  90.00     64.0\n"
      "\n"
      "Found cell(s)\n"
      "Syst.   A      B      C    Alpha  Beta   Gamma    V     V/V1                  "
      "Transformation Matrix                 Nb\n"
      "CUBI  4.000  4.000  4.000  90.00  90.00  90.00    64.0  1.00  ( 1.00 0.00 0.00),( 0.00 1.00 "
      "0.00),( 0.00 0.00 1.00)       1\n"
      "TETR  5.657  5.657  4.000  90.00  90.00  90.00   128.0  2.00  ( 1.00 1.00 0.00),( 1.00-1.00 "
      "0.00),( 0.00 0.00 1.00)       2\n"
      "ORTH  5.657  4.000  5.657  90.00  90.00  90.00   128.0  2.00  ( 1.00 0.00 1.00),( 0.00 1.00 "
      "0.00),(-1.00 0.00 1.00)       3\n"
      "HEXA  5.657  5.657  6.928  90.00  90.00 120.00   192.0  3.00  ( 1.00 1.00 0.00),( 0.00-1.00 "
      "1.00),(-1.00 1.00 1.00)       4\n"
      "RHOM  5.657  5.657  5.657  60.00  60.00  60.00   128.0  2.00  ( 1.00 1.00 0.00),( 1.00 0.00 "
      "1.00),( 0.00 1.00 1.00)       5\n"
      "MONO  6.928  5.657  4.000  90.00  54.74  90.00   128.0  2.00  ( 1.00 1.00 1.00),( 1.00-1.00 "
      "0.00),( 0.00 0.00 1.00)       6\n"
      "MONO  6.928  5.657  6.928  90.00 109.47  90.00   256.0  4.00  ( 1.00 1.00 1.00),( 1.00-1.00 "
      "0.00),(-1.00-1.00 1.00)       7\n"
      "MONO  6.928  5.657  6.928  90.00  70.53  90.00   256.0  4.00  ( 1.00 1.00 1.00),( 0.00-1.00 "
      "1.00),(-1.00 1.00 1.00)       8\n"
      "MONO  5.657  6.928  5.657  90.00  60.00  90.00   192.0  3.00  ( 1.00 1.00 0.00),( 1.00-1.00 "
      "1.00),( 0.00 1.00 1.00)       9\n"
      "MONO  5.657  6.928  5.657  90.00 120.00  90.00   192.0  3.00  ( 1.00 1.00 0.00),( 1.00-1.00 "
      "1.00),(-1.00 0.00 1.00)      10\n"
      "MONO  5.657  5.657  6.928  90.00 144.74  90.00   128.0  2.00  ( 1.00 1.00 0.00),( 1.00-1.00 "
      "0.00),(-1.00-1.00 1.00)      11\n"
      "MONO  5.657  4.000  4.000  90.00  45.00  90.00    64.0  1.00  ( 1.00 0.00 1.00),( 0.00 1.00 "
      "0.00),( 0.00 0.00 1.00)      12\n"
      "MONO  4.000  5.657  6.928  90.00 125.26  90.00   128.0  2.00  ( 1.00 0.00 0.00),( 0.00 1.00 "
      "1.00),(-1.00-1.00 1.00)      13\n"
      "MONO  4.000  4.000  5.657  90.00 135.00  90.00    64.0  1.00  ( 1.00 0.00 0.00),( 0.00 1.00 "
      "0.00),(-1.00 0.00 1.00)      14\n"
      "MONO  6.928  5.657  5.657  90.00  35.26  90.00   128.0  2.00  ( 1.00-1.00 1.00),( 0.00 1.00 "
      "1.00),( 0.00-1.00 1.00)      15\n"
      "MONO  5.657  5.657  6.928  90.00  35.26  90.00   128.0  2.00  ( 0.00 1.00 1.00),( 0.00-1.00 "
      "1.00),(-1.00 1.00 1.00)      16\n";
  const session_result r =
      run_search(parsed({"--cell", "4", "4", "4", "90", "90", "90", "--max-vector", "1"}));
  EXPECT_EQ(joined(r.report), expected);
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_TRUE(r.messages.empty());
}

TEST(QuarvelSearch, RepeatListsAllTwentyCellsBySystem) {
  const session_result r = run_search(
      parsed({"--cell", "4", "4", "4", "90", "90", "90", "--max-vector", "1", "--repeat"}));
  ASSERT_EQ(r.report.size(), 6u + 20u);
  std::map<std::string, int> per_system;
  for (size_t i = 6; i < r.report.size(); ++i) ++per_system[r.report[i].substr(0, 4)];
  const std::map<std::string, int> expected{{"CUBI", 1}, {"TETR", 1}, {"ORTH", 1},
                                            {"HEXA", 2}, {"RHOM", 2}, {"MONO", 13}};
  EXPECT_EQ(per_system, expected);
  EXPECT_EQ(r.report.back().substr(115), "      20");
}

TEST(QuarvelSearch, MessagesAndExitStatus) {
  const struct {
    std::vector<std::string> args;
    const char* message;
    int status;
  } cases[] = {
      {{"--cell", "4", "4", "4", "90", "90", "90", "--systems", "tetragonal"},
       "From Cubic cell, Quarvel cannot search for a Tetragonal cell",
       1},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--ptol", "x"},
       "Error on Parameter tolerance",
       1},
      {{"--cell", "4", "4", "0", "90", "90", "90"},
       "The starting cell has no volume: check its edges and angles",
       1},
      {{"--cell", "4", "4", "4", "90", "90", "90"}, "Too many found cells!!", 3},
  };
  for (const auto& c : cases) {
    const session_result r = run_search(parsed(c.args));
    EXPECT_EQ(r.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(r.exit_status, c.status) << c.message;
  }
}

TEST(QuarvelSearch, BadArgumentsAreRefusedWithAReason) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{}, "no starting cell: give --cell A B C ALPHA BETA GAMMA"},
      {{"--cell", "4", "4"}, "--cell needs six numbers: A B C ALPHA BETA GAMMA"},
      {{"--cell", "4", "4", "4", "90", "9o", "90"}, "--cell: '9o' is not a number"},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--ptol"}, "--ptol needs a value"},
      {{"--cell", "4", "4", "4", "90", "90", "90", "--systems", "cubic,triclinic"},
       "--systems: unknown system 'triclinic'"},
      {{"--frobnicate"}, "unknown argument '--frobnicate'"},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_arguments(c.args).error, c.error);
  EXPECT_TRUE(parse_arguments({"--help"}).options.help);
  EXPECT_TRUE(parse_arguments({"--version"}).options.version);
  EXPECT_EQ(parse_arguments({"--cell", "1", "2", "3", "90", "90", "90", "--systems",
                             "Hexagonal,rhomboedral,hexagonal"})
                .options.systems,
            (std::vector<mathhkl::crystal_system>{mathhkl::crystal_system::hexagonal,
                                                  mathhkl::crystal_system::rhombohedral}));
}

}  // namespace
}  // namespace quarvel::cli
