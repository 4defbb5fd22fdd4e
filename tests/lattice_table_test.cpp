// The analysis table as people read it: every column starts where its heading does, however long
// a change of basis is.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "lattice_output/analysis_output.hpp"

namespace {

using namespace lattice;

std::vector<std::string> rows_of(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  return rows;
}

// Where each word of a row starts and where it ends (one past its last character).
struct word_edges {
  std::vector<std::size_t> starts, ends;
};

word_edges edges_of(const std::string& row) {
  word_edges e;
  for (std::size_t k = 0; k < row.size(); ++k) {
    if (row[k] == ' ') continue;
    if (k == 0 || row[k - 1] == ' ') e.starts.push_back(k);
    if (k + 1 == row.size() || row[k + 1] == ' ') e.ends.push_back(k + 1);
  }
  return e;
}

bool has(const std::vector<std::size_t>& list, std::size_t x) {
  return std::find(list.begin(), list.end(), x) != list.end();
}

// Numbers are right-aligned under their headings, text left-aligned.
void expect_under_headings(const std::string& heading, const std::string& row) {
  const word_edges cells = edges_of(row);
  for (const char* name :
       {"Index", "Delta(deg)", "a", "b", "c", "alpha", "beta", "gamma", "V/Vo"}) {
    const std::size_t at = heading.find(std::string(" ") + name + " ");
    const std::size_t end = (at == std::string::npos ? heading.find(name) : at + 1) +
                            std::char_traits<char>::length(name);
    EXPECT_TRUE(has(cells.ends, end)) << name;
  }
  for (const char* name : {"Type", "System", "Change of basis", "Verdict"})
    EXPECT_TRUE(has(cells.starts, heading.find(name))) << name;
}

// Where the decimal points of the six cell numbers stand: the cell columns start at 44.
std::vector<std::size_t> cell_points(const std::string& row) {
  std::vector<std::size_t> points;
  for (std::size_t k = 44; k < std::min<std::size_t>(row.size(), 101); ++k)
    if (row[k] == '.') points.push_back(k);
  return points;
}

// An I-centred cell: its primitive triclinic entry's change of basis, with halves in every row,
// is 40 characters wide, far wider than the others.
TEST(LatticeTable, GoldenTextOfACentredCellWithALongChangeOfBasis) {
  analysis_options options;
  options.centring_type = centring::I;
  options.delta_limit = 0.5;
  const std::string expected =
      // clang-format off
      "Input cell        5.0000    6.0000    7.0000   90.000   90.000   90.000  I  V = 210.000\n"
      "Reduced cell      5.0000    5.2440    5.2440   69.790   61.528   61.528  -a,-1/2*a-1/2*b+1/2*c,-1/2*a+1/2*b+1/2*c\n"
      "Delta limit   0.500 deg\n"
      "\n"
      "Index  Type         System        Delta(deg)         a         b         c    alpha     beta    gamma    V/Vo  Change of basis                          Verdict\n"
      "    1  oI           orthorhombic      0.0000    5.0000    6.0000    7.0000   90.000   90.000   90.000   1.000  a,b,c                                    same lattice, I-centred cell\n"
      "              ideal                             5.0000    6.0000    7.0000   90.000   90.000   90.000\n"
      "    1  mC (I cell)  monoclinic        0.0000    5.0000    7.0000    6.0000   90.000   90.000   90.000   1.000  a,-c,b                                   same lattice, I-centred cell\n"
      "              ideal                             5.0000    7.0000    6.0000   90.000   90.000   90.000\n"
      "    1  mC (I cell)  monoclinic        0.0000    5.0000    6.0000    7.0000   90.000   90.000   90.000   1.000  a,b,c                                    same lattice, I-centred cell\n"
      "              ideal                             5.0000    6.0000    7.0000   90.000   90.000   90.000\n"
      "    1  mC (I cell)  monoclinic        0.0000    6.0000    5.0000    7.0000   90.000   90.000   90.000   1.000  b,-a,c                                   same lattice, I-centred cell\n"
      "              ideal                             6.0000    5.0000    7.0000   90.000   90.000   90.000\n"
      "    1  aP           triclinic         0.0000    5.0000    5.2440    5.2440   69.790   61.528   61.528   0.500  -a,-1/2*a-1/2*b+1/2*c,-1/2*a+1/2*b+1/2*c same lattice\n"
      "              ideal                             5.0000    5.2440    5.2440   69.790   61.528   61.528\n";
  // clang-format on
  EXPECT_EQ(analysis_text(analyse({5, 6, 7, 90, 90, 90}, options)), expected);
}

TEST(LatticeTable, VerdictsAndCellsLineUpUnderTheirHeadings) {
  const struct {
    cell input;
    centring centred;
    int max_index;
  } cases[] = {
      {{5, 6, 7, 90, 90, 90}, centring::I, 1},        {{5, 5, 5, 90, 90, 90}, centring::F, 2},
      {{4, 4, 5, 90, 90, 120}, centring::R, 3},       {{4, 6.928, 5, 90, 90, 90}, centring::P, 4},
      {{5.1, 6.2, 7.3, 81, 95, 103}, centring::P, 2},
  };
  for (const auto& c : cases) {
    analysis_options options;
    options.centring_type = c.centred;
    options.max_index = c.max_index;
    const analysis a = analyse(c.input, options);
    const std::vector<std::string> rows = rows_of(analysis_text(a));
    ASSERT_GT(rows.size(), 5u);
    const std::string& heading = rows[4];
    const std::size_t verdict = heading.find("Verdict");
    ASSERT_NE(verdict, std::string::npos);
    const std::vector<std::size_t> heading_points = cell_points(rows[5]);
    ASSERT_EQ(heading_points.size(), 6u);
    std::size_t entry = 0;
    for (std::size_t r = 5; r < rows.size(); ++r) {
      SCOPED_TRACE(rows[r]);
      EXPECT_EQ(cell_points(rows[r]), heading_points);
      if (rows[r].rfind("              ", 0) == 0) continue;  // an ideal or rhombohedral row
      ASSERT_LT(entry, a.lattices.size());
      EXPECT_EQ(rows[r].substr(verdict), a.lattices[entry++].relation.verdict());
      EXPECT_EQ(rows[r][verdict - 1], ' ');
      expect_under_headings(heading, rows[r]);
    }
    EXPECT_EQ(entry, a.lattices.size());
  }
}

}  // namespace
