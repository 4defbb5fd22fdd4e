// quarvel-lattice's arguments: what each sound command line sets, and the refusal of every
// unsound one before any analysis runs.
#include "lattice_options.hpp"

#include <gtest/gtest.h>

#include "lattice_refusals.hpp"

namespace quarvel::cli {
namespace {

using args = std::vector<std::string>;

args with_cell(args rest) {
  args all{"--cell", "4", "5", "6", "90", "95", "90"};
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST(LatticeArguments, SoundCommandLinesSetTheirOptions) {
  {
    const lattice_parse_outcome o = parse_lattice_arguments(with_cell({}));
    ASSERT_EQ(o.error, "");
    ASSERT_TRUE(o.command.cell.has_value());
    EXPECT_EQ(o.command.cell->parameters(), (std::array<double, 6>{4, 5, 6, 90, 95, 90}));
    EXPECT_EQ(o.command.analysis.centring_type, lattice::centring::P);
    EXPECT_EQ(o.command.analysis.delta_limit, lattice::kDefaultDeltaLimit);
    EXPECT_EQ(o.command.analysis.max_index, 1);
    EXPECT_FALSE(o.command.basis || o.command.json || o.command.csv);
  }
  {
    const lattice_parse_outcome o =
        parse_lattice_arguments(with_cell({"--centring", "I", "--delta", "1.5", "--max-index", "10",
                                           "--json", "--basis", " 1 0 0 ;0 1 0; -1 +1 2 "}));
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.command.analysis.centring_type, lattice::centring::I);
    EXPECT_EQ(o.command.analysis.delta_limit, 1.5);
    EXPECT_EQ(o.command.analysis.max_index, 10);
    EXPECT_TRUE(o.command.json);
    EXPECT_EQ(o.command.basis, (lattice::imat3{1, 0, 0, 0, 1, 0, -1, 1, 2}));
  }
  {
    const lattice_parse_outcome o =
        parse_lattice_arguments({"--batch", "cells.txt", "--csv", "--delta", "45"});
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.command.batch_file, "cells.txt");
    EXPECT_TRUE(o.command.csv);
    EXPECT_FALSE(o.command.cell.has_value());
    EXPECT_EQ(o.command.analysis.delta_limit, 45);
  }
  // --help and --version answer whatever else is missing.
  EXPECT_TRUE(parse_lattice_arguments({"--help"}).command.help);
  EXPECT_TRUE(parse_lattice_arguments({"--version"}).command.version);
}

// The arguments' refusals come from the parser, before any analysis; the rest of the table are
// command lines the parser accepts and the analysis or the file refuses.
TEST(LatticeArguments, EveryUnsoundCommandLineIsRefusedWithItsReason) {
  for (const testing::lattice_refusal& row : testing::lattice_refusals()) {
    SCOPED_TRACE(::testing::PrintToString(row.arguments));
    EXPECT_EQ(parse_lattice_arguments(row.arguments).error, row.status == 2 ? row.message : "");
  }
}

TEST(LatticeArguments, BasisTextIsThreeRowsOfThreeIntegers) {
  const struct {
    std::string text;
    std::optional<lattice::imat3> rows;
  } table[] = {
      {"1 0 0; 0 1 0; 0 0 1", lattice::imat3{1, 0, 0, 0, 1, 0, 0, 0, 1}},
      {"2 -1 0;1 1 0;0 0 +3", lattice::imat3{2, -1, 0, 1, 1, 0, 0, 0, 3}},
      {"\t1  1 0 ;  -1 1 0 ; 0 0 1\t", lattice::imat3{1, 1, 0, -1, 1, 0, 0, 0, 1}},
      // A closing ';' ends the last row rather than opening a fourth.
      {"1 0 0; 0 1 0; 0 0 1;", lattice::imat3{1, 0, 0, 0, 1, 0, 0, 0, 1}},
      // Singular rows are read; the analysis refuses them with its own reason.
      {"1 0 0; 2 0 0; 0 0 1", lattice::imat3{1, 0, 0, 2, 0, 0, 0, 0, 1}},
      {"", std::nullopt},
      {";;", std::nullopt},
      {"1 0 0; 0 1 0", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 1; 1 1 1", std::nullopt},
      {"1 0 0;; 0 1 0; 0 0 1", std::nullopt},
      {"1 0; 0 1 0; 0 0 1", std::nullopt},
      {"1 0 0 0; 0 1 0; 0 0 1", std::nullopt},
      {"1 0 0, 0 1 0, 0 0 1", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 1.0", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 1e0", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 a", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 99999999999", std::nullopt},
      {"1 0 0; 0 1 0; 0 0 --1", std::nullopt},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(parse_basis(row.text), row.rows);
  }
}

}  // namespace
}  // namespace quarvel::cli
