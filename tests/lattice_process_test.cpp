// quarvel-lattice as a process: its exit statuses, and output that programs can read.
#include "lattice_process.hpp"

#include <gtest/gtest.h>

#include "json_check.hpp"
#include "lattice_options.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

const std::vector<std::string> kTetragonal{"--cell", "4", "4", "5.657", "90", "90", "90"};

std::vector<std::string> tetragonal_with(std::vector<std::string> rest) {
  std::vector<std::string> all = kTetragonal;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST(LatticeProgram, HelpAndVersionGoToStandardOutputWithStatusZero) {
  const process_result help = run_lattice({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, quarvel::cli::kLatticeUsage);
  EXPECT_EQ(help.err, "");
  const process_result version = run_lattice({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("quarvel-lattice ", 0), 0u);
}

TEST(LatticeProgram, TheTableListsTheLatticeFirst) {
  const process_result r = run_lattice(kTetragonal);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> lines = lines_of(r.out);
  ASSERT_GT(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Input cell", 0), 0u);
  EXPECT_EQ(lines[1].rfind("Reduced cell", 0), 0u);
  EXPECT_EQ(lines[4].rfind("Index  Type         System", 0), 0u);
  EXPECT_EQ(lines[5].rfind("    1  tP           tetragonal", 0), 0u) << lines[5];
}

TEST(LatticeProgram, JsonIsExactlyOneValidObjectWithTheDocumentedKeys) {
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> keys;
  } rows[] = {
      {tetragonal_with({"--json"}), {"input", "reduced", "delta_limit", "lattices"}},
      {tetragonal_with({"--json", "--max-index", "10", "--centring", "I"}),
       {"input", "reduced", "delta_limit", "lattices"}},
      {tetragonal_with({"--json", "--basis", "1 -1 0; 1 1 0; 0 0 1"}),
       {"input", "reduced", "delta_limit", "lattices", "basis"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.arguments));
    const process_result r = run_lattice(row.arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(lines_of(r.out).size(), 1u);
    const json_check check = check_json(r.out);
    EXPECT_EQ(check.problem, "");
    EXPECT_EQ(check.top_level_keys, row.keys);
  }
}

TEST(LatticeProgram, BasisVerdictTellsASuperlatticeFromTheSameLattice) {
  const struct {
    const char* basis;
    const char* verdict;
  } rows[] = {
      {"1 0 0; 0 1 0; 0 0 1",
       R"("bravais":"tP","delta":0,"index":1,"verdict":"same lattice","verdict_text":"same lattice","centring":null})"},
      // a-b, a+b, c of a cell with c = a·√2 is nearly cubic, but holds the tP lattice's point
      // (a+b)/2 at (1/2,1/2,0): its C-centred cell, no new reflection.
      {"1 -1 0; 1 1 0; 0 0 1",
       R"("bravais":"tP","delta":0,"index":2,"verdict":"same lattice","verdict_text":"same lattice, C-centred cell","centring":"C"})"},
      // Doubling c: every reflection with l odd is new.
      {"1 0 0; 0 1 0; 0 0 2",
       R"("bravais":"tP","delta":0,"index":2,"verdict":"superlattice","verdict_text":"superlattice ×2","centring":null})"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.basis);
    const process_result r = run_lattice(tetragonal_with({"--json", "--basis", row.basis}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(row.verdict), std::string::npos) << r.out;
  }
}

TEST(LatticeProgram, BatchStatusSaysWhetherAnyLineFailed) {
  temp_folder folder;
  const std::string good = folder.write("good.txt", "4 4 4 90 90 90\nI 4 4 6 90 90 90\n");
  const std::string mixed =
      folder.write("mixed.txt", "4 4 4 90 90 90\n4 4 4 10 10 150\n\nP 3 4 5 90 90 90\n");
  const process_result ok = run_lattice({"--batch", good});
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.err, "");
  const process_result bad = run_lattice({"--batch", mixed, "--delta", "2"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "line 2: the cell has no volume: its angles do not close\n");
  for (const process_result* r : {&ok, &bad}) {
    const std::vector<std::string> objects = lines_of(r->out);
    ASSERT_EQ(objects.size(), 2u);
    for (const std::string& o : objects) EXPECT_EQ(check_json(o).problem, "") << o;
  }
  const process_result csv = run_lattice({"--batch", mixed, "--csv"});
  EXPECT_EQ(csv.status, 1);
  EXPECT_EQ(lines_of(csv.out).size(), 3u);
  EXPECT_EQ(csv.out.rfind("line,", 0), 0u);
}

// Cells at the edges of what the arithmetic and the search meet: each is analysed or refused,
// never a crash, and what is printed is valid JSON.
TEST(LatticeProgram, ExtremeCellsAreAnalysedOrRefusedNeverCrash) {
  const std::vector<std::vector<std::string>> cells{
      {"1e-40", "1e-40", "1e-40", "90", "90", "90"},
      {"1e-200", "1", "1", "90", "90", "90"},
      {"1e200", "1e200", "1e200", "90", "90", "90"},
      {"1e3", "1e-3", "1", "90", "90", "90"},
      {"4", "4", "4", "179.9", "90", "90"},
      {"4", "4", "4", "0.001", "90", "90"},
      {"4", "4", "4", "60", "60", "119.99"},
      {"4", "4", "4", "60.0001", "60", "120"},
      {"4", "4", "4", "109.4712", "109.4712", "109.4712"},
      {"2.8284", "2.8284", "2.8284", "60", "60", "60"},
      {"5.1", "6.2", "7.3", "81", "95", "103"},
      {"1", "1000", "1000000", "90", "90", "90"},
  };
  for (const auto& cell : cells) {
    for (const char* centring : {"P", "F", "R"}) {
      std::vector<std::string> arguments{"--cell"};
      arguments.insert(arguments.end(), cell.begin(), cell.end());
      for (const char* more : {"--json", "--max-index", "10", "--delta", "45", "--centring"})
        arguments.emplace_back(more);
      arguments.emplace_back(centring);
      SCOPED_TRACE(::testing::PrintToString(arguments));
      const process_result r = run_lattice(arguments);
      EXPECT_FALSE(r.signalled);
      ASSERT_TRUE(r.status == 0 || r.status == 1) << r.err;
      if (r.status == 0) {
        EXPECT_EQ(check_json(r.out).problem, "");
      } else {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("quarvel-lattice: ", 0), 0u);
      }
    }
  }
}

// Edges of 1e20 Å would give a volume of 1e60 Å³, a number wider than a small text buffer, and
// a centred cell with edges 1e6 and 1e-6 Å would reduce to NaN angles: both are refused, and
// the largest accepted cells still print as valid JSON.
TEST(LatticeProgram, CellsAtTheLimitsOfTheArithmeticGiveValidJsonOrARefusal) {
  const std::vector<std::vector<std::string>> rows{
      {"--cell", "1e20", "1e20", "1e20", "90", "90", "90", "--json"},
      {"--cell", "1e6", "1e-6", "1", "90", "90", "90", "--centring", "R", "--json"},
      {"--cell", "1e6", "1e6", "1e6", "90", "90", "90", "--json"},
      {"--cell", "1000", "0.1", "0.1", "89", "91", "90", "--centring", "F", "--json"},
      {"--cell", "5", "5", "50000", "90", "89", "90", "--json", "--max-index", "3"},
  };
  for (const auto& arguments : rows) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const process_result r = run_lattice(arguments);
    EXPECT_TRUE(r.status == 1 || (r.status == 0 && check_json(r.out).problem.empty()));
  }
}

// Entries of a million would overflow a 32-bit determinant: they are refused, and the largest
// accepted ones give their true volume ratio.
TEST(LatticeProgram, LargeBasisEntriesAreRefusedOrGiveTheirTrueVolumeRatio) {
  const process_result refused = run_lattice({"--cell", "4", "4", "4", "90", "90", "90", "--json",
                                              "--basis", "1000000 0 0; 0 1000000 0; 0 0 1000000"});
  EXPECT_EQ(refused.status, 1);
  const process_result largest = run_lattice({"--cell", "4", "4", "4", "90", "90", "90", "--json",
                                              "--basis", "100 0 0; 0 100 0; 0 0 100"});
  EXPECT_EQ(largest.status, 0);
  EXPECT_NE(largest.out.find(R"("volume_ratio":1000000,)"), std::string::npos) << largest.out;
}

}  // namespace
}  // namespace quarvel::testing
