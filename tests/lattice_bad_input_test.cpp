// What quarvel-lattice prints on standard error and the status it ends with, for every refusal
// (the README's bad-input table among them). Nothing is printed on standard output.
#include <gtest/gtest.h>

#include "lattice_process.hpp"
#include "lattice_refusals.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

using args = std::vector<std::string>;

TEST(LatticeBadInput, EveryRowHasItsMessageAndStatus) {
  for (const lattice_refusal& row : lattice_refusals()) {
    SCOPED_TRACE(::testing::PrintToString(row.arguments));
    const process_result r = run_lattice(row.arguments);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines_of(r.err).at(0), "quarvel-lattice: " + row.message);
  }
}

TEST(LatticeBadInput, BadBatchLinesAreNamedAndTheOthersStillPrinted) {
  temp_folder folder;
  const std::string file = folder.write("cells.txt",
                                        "4 4 4 90 90\n"
                                        "X 4 4 4 90 90 90\n"
                                        "4 4 nan 90 90 90\n"
                                        "4 4 4 120 120 120\n"
                                        "4 4 4 90 90 90\n");
  const process_result r = run_lattice({"--batch", file});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "line 1: expected [centring] a b c alpha beta gamma, found 5 fields\n"
            "line 2: 'X' is not a centring (P, A, B, C, I, F or R)\n"
            "line 3: 'nan' is not a number\n"
            "line 4: the cell has no volume: its angles do not close\n");
  EXPECT_EQ(lines_of(r.out).size(), 1u);
}

// An empty table would look like a summary whose solutions all failed to compare.
TEST(LatticeBadInput, ASummaryWithoutUsableSolutionsIsRefused) {
  temp_folder folder;
  const std::string lines = folder.write("lines.txt", "20.1\n25.3\n30.7\n");
  for (const char* text : {"", "not a summary\nat all\n"}) {
    const std::string file = folder.write("none.sum", text);
    for (const args& arguments : {args{"--sum", file}, args{"--sum", file, "--json"},
                                  args{"--sum", file, "--lines", lines}}) {
      SCOPED_TRACE(::testing::PrintToString(arguments) + " " + text);
      const process_result r = run_lattice(arguments);
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(r.err, "quarvel-lattice: no solutions read from " + file + "\n");
    }
  }
}

TEST(LatticeBadInput, AnEmptyBatchFileIsNoFailure) {
  temp_folder folder;
  const std::string file = folder.write("empty.txt", "");
  const process_result json = run_lattice({"--batch", file});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out, "");
  const process_result csv = run_lattice({"--batch", file, "--csv"});
  EXPECT_EQ(csv.status, 0);
  EXPECT_EQ(lines_of(csv.out).size(), 1u);
}

}  // namespace
}  // namespace quarvel::testing
