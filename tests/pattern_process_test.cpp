// quarvel-lattice --lines as a process: every refused input with its message and status, the
// JSON keys, and superstructure lines on the supercell that has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "json_check.hpp"
#include "lattice_process.hpp"
#include "pattern_synthetic.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

using args = std::vector<std::string>;

const args kCubic{"--cell", "5.431", "5.431", "5.431", "90", "90", "90", "--centring", "F"};
const char* const kSilicon =
    "# Si, Cu Ka1\n2theta I\n28.443 100\n47.303 55\n56.123 30 ! 311\n"
    "69.131 6\n76.377 11\n";

args with(args base, const args& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

TEST(PatternBadInput, EveryRefusalNamesItsCauseWithItsStatus) {
  temp_folder folder;
  const std::string good = folder.write("si.txt", kSilicon);
  const struct {
    const char* name;
    const char* text;
    args more;
    std::string message;
    int status;
  } rows[] = {
      {"empty.txt", "# nothing\n", {}, "empty.txt: no observed lines", 1},
      {"two.txt", "28.4\n47.3\n", {}, "two.txt: 2 observed lines: at least 3 are needed", 1},
      {"text.txt", "2theta\n28.4\nabc\n47.3\n", {}, "text.txt: row 3: 'abc' is not a number", 1},
      {"late.txt", "28.4\n2theta I\n47.3\n", {}, "late.txt: row 2: '2theta' is not a number", 1},
      {"wide.txt",
       "28.4 100 3\n47.3\n56.1\n",
       {},
       "wide.txt: row 1: expected 2theta or d and an optional intensity, found 3 fields",
       1},
      {"high.txt",
       "28.4\n180\n56.1\n",
       {},
       "high.txt: row 2: 2theta must lie between 0 and 180 degrees, found 180",
       1},
      {"zero.txt",
       "0\n47.3\n56.1\n",
       {},
       "zero.txt: row 1: 2theta must lie between 0 and 180 degrees, found 0",
       1},
      {"d.txt",
       "3.1\n-1\n1.6\n",
       {"--lines-in", "d"},
       "d.txt: row 2: d must be above 0 angstroms, found -1",
       1},
      {"short.txt",
       "3.1\n0.5\n1.6\n",
       {"--lines-in", "d"},
       "short.txt: row 2: d = 0.5 angstroms is below half the wavelength: no reflection",
       1},
      {"long.txt",
       "3.1\n9e213\n1.6\n",
       {"--lines-in", "d"},
       "long.txt: row 2: d is too long: 2theta would be 0",
       1},
      {"negative.txt",
       "28.4 -5\n47.3\n56.1\n",
       {},
       "negative.txt: row 1: the intensity must not be negative",
       1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string file = folder.write(row.name, row.text);
    const process_result r = run_lattice(with(kCubic, with({"--lines", file}, row.more)));
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines_of(r.err).at(0),
              "quarvel-lattice: " + folder.path().string() + "/" + row.message);
  }
  const struct {
    args arguments;
    std::string message;
    int status;
  } options[] = {
      {with(kCubic, {"--lines", good, "--wavelength", "0"}),
       "--wavelength needs a number of angstroms above 0", 2},
      {with(kCubic, {"--lines", good, "--wavelength", "-1.5"}),
       "--wavelength needs a number of angstroms above 0", 2},
      {with(kCubic, {"--lines", good, "--tolerance", "0"}),
       "--tolerance needs a number of degrees 2theta above 0 and at most 2", 2},
      {with(kCubic, {"--lines", good, "--lines-in", "q"}), "--lines-in needs 2theta or d", 2},
      {with(kCubic, {"--lines", good, "--sort", "x"}), "--sort needs m, f or delta", 2},
      {with(kCubic, {"--lines", good, "--zero"}), "--zero goes with --refine", 2},
      {with(kCubic, {"--refine"}), "--refine goes with --lines", 2},
      {with(kCubic, {"--wavelength", "1.5"}), "--wavelength goes with --lines", 2},
      {{"--batch", good, "--lines", good}, "--lines goes with --cell or --sum", 2},
      {{"--sum", good, "--lines", good, "--refine"}, "--refine goes with --cell", 2},
      {with(kCubic, {"--lines", "no-such-lines.txt"}), "cannot read 'no-such-lines.txt'", 4},
  };
  for (const auto& row : options) {
    SCOPED_TRACE(::testing::PrintToString(row.arguments));
    const process_result r = run_lattice(row.arguments);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines_of(r.err).at(0), "quarvel-lattice: " + row.message);
  }
}

TEST(PatternProgram, JsonEntriesGainTheLinesAndRefinedKeys) {
  temp_folder folder;
  const std::string file = folder.write("si.txt", kSilicon);
  const process_result r = run_lattice(with(kCubic, {"--lines", file, "--json", "--refine"}));
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(lines_of(r.out).size(), 1u);
  EXPECT_EQ(check_json(r.out).problem, "");
  for (const char* key :
       {R"("lines":{"M":)", R"("M_N":5,"F":)", R"("F_N":5,"mean_delta_2theta":)", R"("possible":)",
        R"("unindexed":0,)",
        R"("superstructure_lines":0,"indexed":[{"row":3,"observed":28.443,"hkl":[1,1,1],)",
        R"("refined":{"cell":)", R"("zero_shift":0,"zero_shift_esd":null,"lines_used":5,)",
        R"("observed_lines":{"count":5,"wavelength":1.540598,"tolerance":0.03,)"})
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
}

// Silicon's lines against a summary: its F lattice as a primitive cubic cell of 5.431 Å (more
// than twice the possible lines) and as its primitive rhombohedral cell, which ranks first.
TEST(PatternProgram, SummarySolutionsAreWeighedAndRanked) {
  temp_folder folder;
  const std::string lines = folder.write("si.txt", kSilicon);
  const std::string sum = folder.write(
      "s.sum", joined({summary_line(" 20  31.2", "1.00",
                                    "  5.43100  5.43100  5.43100  90.000  90.000  90.000"),
                       summary_line(" 20  50.0", "0.25",
                                    "  3.84029  3.84029  3.84029  60.000  60.000  60.000")},
                      "\n"));
  const process_result json = run_lattice({"--sum", sum, "--lines", lines, "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(check_json(json.out).problem, "");
  const std::size_t first = json.out.find("\"possible\":");
  const std::size_t second = json.out.find("\"possible\":", first + 1);
  ASSERT_NE(second, std::string::npos);
  // Up to 76.377° (n = h²+k²+l² = 19 of 331): the P cell has a line for every n but 7 and 15
  // (17), the F cell for 3, 4, 8, 11, 12, 16, 19 (7).
  EXPECT_EQ(json.out.substr(first, 14), "\"possible\":17,");
  EXPECT_EQ(json.out.substr(second, 13), "\"possible\":7,");
  const process_result text = run_lattice({"--sum", sum, "--lines", lines, "--sort", "m"});
  ASSERT_EQ(text.status, 0) << text.err;
  const std::vector<std::string> rows = lines_of(text.out);
  const auto heading = std::find_if(rows.begin(), rows.end(), [](const std::string& row) {
    return row.rfind("    #  Index", 0) == 0;
  });
  ASSERT_NE(heading, rows.end());
  EXPECT_EQ(heading[1].rfind("    2      -  cF", 0), 0u) << heading[1];
  EXPECT_EQ(heading[2].rfind("    1      -  cP", 0), 0u) << heading[2];
}

// A pattern of the orthorhombic cell 4 × 8 × 5 with three lines of its tetragonal supercell
// 2a, b, c (8 × 8 × 5: hk0 with h, k odd) that the orthorhombic cell cannot index. Up to index 3
// no other supercell holds that one, so none other may show them. (A hexagonal supercell of
// 4 × 4√3 × 5 would not do: with its exact metric, each new reflection falls on an old line.)
TEST(PatternProgram, AddedSuperstructureLinesShowOnTheRightSupercellOnly) {
  const lattice::cell small{4, 8, 5, 90, 90, 90};
  const lattice::cell super{8, 8, 5, 90, 90, 90};
  std::mt19937 random(5);
  const std::vector<synthetic_line> base = true_lines(small, lattice::centring::P, 100);
  std::vector<pattern::observed_line> lines = noisy_lines(base, 25, 0.1, random);
  int added = 0;
  for (const synthetic_line& line : true_lines(super, lattice::centring::P, 100)) {
    // New on the supercell: no line of the orthorhombic cell within 0.1°.
    const double t = two_theta_of(line.q);
    if (added == 3 || !clear_of(base, t, 0.1)) continue;
    add_line(lines, t + 0.01);
    ++added;
  }
  ASSERT_EQ(added, 3);
  std::string text;
  for (const pattern::observed_line& line : lines) text += std::to_string(line.two_theta) + "\n";
  temp_folder folder;
  const std::string file = folder.write("super.txt", text);
  const process_result r = run_lattice(
      {"--cell", "4", "8", "5", "90", "90", "90", "--max-index", "4", "--lines", file, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Each entry's change of basis and superstructure count, entry by entry.
  std::map<std::string, int> shown;
  for (std::size_t at = 0; (at = r.out.find("\"change_of_basis\":\"", at)) != std::string::npos;) {
    at += 19;
    const std::string change = r.out.substr(at, r.out.find('"', at) - at);
    const std::size_t count = r.out.find("\"superstructure_lines\":", at);
    shown[change] = std::stoi(r.out.substr(count + 23, 3));
    at = count;
  }
  EXPECT_EQ(shown.at("2*a,b,c"), 3);
  // Supercells of that supercell index its lines too; one that does not hold it shows none.
  EXPECT_EQ(shown.at("2*a,b,2*c"), 3);
  EXPECT_EQ(shown.at("a+c,5*a-3*c,b"), 0);
  EXPECT_EQ(shown.at("a,b,c"), 0);
}

}  // namespace
}  // namespace quarvel::testing
