// The README's "Lattice analysis" bad-input table, row by row: what quarvel-lattice prints on
// standard error and the status it ends with. Nothing is printed on standard output.
#include <gtest/gtest.h>

#include "lattice_process.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

using args = std::vector<std::string>;

args cell(args six, args rest = {}) {
  six.insert(six.begin(), "--cell");
  six.insert(six.end(), rest.begin(), rest.end());
  return six;
}

const args kCubic{"4", "4", "4", "90", "90", "90"};

TEST(LatticeBadInput, EveryRowHasItsMessageAndStatus) {
  const std::string no_basis = "' is not three rows of three integers separated by ';'";
  const struct {
    args arguments;
    std::string message;
    int status;
  } rows[] = {
      {cell({"nan", "4", "4", "90", "90", "90"}), "--cell: 'nan' is not a number", 2},
      {cell({"4", "inf", "4", "90", "90", "90"}), "--cell: 'inf' is not a number", 2},
      {cell({"5,431", "4", "4", "90", "90", "90"}), "--cell: '5,431' is not a number", 2},
      {cell({"4", "4", "4", "90", "90"}), "--cell needs six numbers: a b c alpha beta gamma", 2},
      {cell({"0", "4", "4", "90", "90", "90"}), "cell edges must be positive numbers", 1},
      {cell({"4", "-4", "4", "90", "90", "90"}), "cell edges must be positive numbers", 1},
      {cell({"4", "4", "4", "0", "90", "90"}), "cell angles must lie between 0 and 180 degrees", 1},
      {cell({"4", "4", "4", "90", "180", "90"}), "cell angles must lie between 0 and 180 degrees",
       1},
      {cell({"4", "4", "4", "90", "90", "200"}), "cell angles must lie between 0 and 180 degrees",
       1},
      {cell({"4", "4", "4", "10", "10", "150"}), "the cell has no volume: its angles do not close",
       1},
      {cell({"4", "4", "4", "120", "120", "120"}),
       "the cell has no volume: its angles do not close", 1},
      {cell({"4", "4", "4", "90", "90", "179.99999999999997"}),
       "the cell has no volume: its angles do not close", 1},
      {cell({"1e200", "1e200", "1e200", "90", "90", "90"}),
       "cell edges must lie between 0.001 and 1000000 angstroms", 1},
      {cell({"4", "4", "1e-4", "90", "90", "90"}),
       "cell edges must lie between 0.001 and 1000000 angstroms", 1},
      {cell({"1000000", "1000000", "0.001", "60", "60", "119.99999"}),
       "the cell's change of basis to its reduced cell has entries beyond 1000000, too large to "
       "carry exactly",
       1},
      {cell({"10", "10", "10", "90", "90", "179.99999"}),
       "the cell's lattice has a vector shorter than 0.001 angstroms", 1},
      {cell(kCubic, {"--basis", "101 0 0; 0 1 0; 0 0 1"}),
       "basis entries must be whole numbers from -100 to 100", 1},
      {cell(kCubic, {"--basis", "1 0 0; 0 1 0; 0 0 0.5"}),
       "--basis: '1 0 0; 0 1 0; 0 0 0.5" + no_basis, 2},
      {cell(kCubic, {"--basis", "1 0 0; 0 1 0"}), "--basis: '1 0 0; 0 1 0" + no_basis, 2},
      {cell(kCubic, {"--basis", "1 0 0; 0 1 0; 1 1 0"}),
       "the basis vectors are coplanar: their determinant is 0", 1},
      {cell(kCubic, {"--max-index", "0"}), "--max-index needs a whole number from 1 to 10", 2},
      {cell(kCubic, {"--max-index", "11"}), "--max-index needs a whole number from 1 to 10", 2},
      {cell(kCubic, {"--max-index", "abc"}), "--max-index needs a whole number from 1 to 10", 2},
      {cell(kCubic, {"--delta", "0"}), "--delta needs a number of degrees above 0 and at most 45",
       2},
      {cell(kCubic, {"--delta", "-1"}), "--delta needs a number of degrees above 0 and at most 45",
       2},
      {cell(kCubic, {"--delta", "nan"}), "--delta needs a number of degrees above 0 and at most 45",
       2},
      {cell(kCubic, {"--delta", "46"}), "--delta needs a number of degrees above 0 and at most 45",
       2},
      {cell(kCubic, {"--centring", "X"}), "--centring needs one of P, A, B, C, I, F, R", 2},
      {cell(kCubic, {"--csv"}), "--csv goes with --batch", 2},
      {cell(kCubic, {"--length-tol", "0.02"}), "--length-tol goes with --sum", 2},
      {{"--json"}, "give either --cell or --batch", 2},
      {cell(kCubic, {"--frob"}), "unknown argument '--frob'", 2},
      {{"--batch", "no-such-file.txt"}, "cannot read 'no-such-file.txt'", 4},
  };
  for (const auto& row : rows) {
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
