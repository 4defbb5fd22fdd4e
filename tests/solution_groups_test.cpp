// Comparing solutions: groups by lattice, the relation and matrix of every member, and the
// tolerances that decide a match.
#include <gtest/gtest.h>

#include <cmath>

#include "json_reader.hpp"
#include "lattice/metric.hpp"
#include "lattice_output/solution_groups_output.hpp"

namespace {

using lattice::cell;
using lattice::numbered_cell;

// One C-centred orthorhombic lattice (5 x 8 x 7 with C centring) in three settings, a doubled
// cell of its conventional cell, and an unrelated monoclinic cell.
const std::vector<numbered_cell> kOrthoCSolutions{
    {1, {4.71699, 4.71699, 7.0, 90, 90, 64.01077}},  // primitive, reduced
    {2, {5.0, 8.0, 7.0, 90, 90, 90}},                // the centred cell, read as given
    {3, {4.71699, 4.71699, 8.44097, 75.82546, 56.02571, 64.01077}},  // primitive, not reduced
    {4, {5.0, 8.0, 14.0, 90, 90, 90}},                               // the centred cell doubled
    {5, {6.1, 6.9, 9.3, 90, 101.3, 90}},                             // unrelated
};

const numbered_cell& by_number(const std::vector<numbered_cell>& cells, int number) {
  for (const numbered_cell& c : cells)
    if (c.number == number) return c;
  throw std::logic_error("no such cell");
}

// The matrix applied to the head's cell must give the member's cell: checked on the metric, so
// that a wrong matrix cannot pass whatever the relation says.
void expect_matrix_gives_member(const cell& head, const lattice::group_member& m,
                                const cell& member) {
  const cell made =
      lattice::cell_of(lattice::transformed(lattice::metric_of(head), m.matrix.to_real()));
  const auto got = made.parameters(), want = member.parameters();
  for (int k = 0; k < 6; ++k)
    EXPECT_NEAR(got[k], want[k], k < 3 ? 0.01 * want[k] : 0.5) << "member " << m.number << " " << k;
}

TEST(SolutionGroups, SettingsCentringsAndADoubledCellFormOneGroupBesideAnUnrelatedCell) {
  const lattice::solution_comparison c = lattice::compare_solutions(kOrthoCSolutions, {});
  ASSERT_EQ(c.groups.size(), 2u);
  const lattice::solution_group& g = c.groups[0];
  EXPECT_EQ(g.head, 1);
  ASSERT_EQ(g.members.size(), 3u);
  struct expected {
    int number;
    const char* verdict;
  };
  // The doubled cell holds the C translation and (0,0,1/2): no standard centring.
  const expected rows[] = {
      {2, "same lattice, C-centred cell"}, {3, "same lattice"}, {4, "superlattice \u00d74"}};
  for (size_t i = 0; i < 3; ++i) {
    const lattice::group_member& m = g.members[i];
    EXPECT_EQ(m.number, rows[i].number);
    EXPECT_EQ(lattice::member_verdict(m), rows[i].verdict) << m.number;
    expect_matrix_gives_member(by_number(kOrthoCSolutions, 1).input, m,
                               by_number(kOrthoCSolutions, m.number).input);
  }
  EXPECT_EQ(c.groups[1].head, 5);
  EXPECT_TRUE(c.groups[1].members.empty());
}

TEST(SolutionGroups, AMoreSymmetricLargerCellHeadsItsSublatticeMember) {
  // 10 x 10 x 7 is tetragonal; the 5 x 10 x 7 cell it doubles is only orthorhombic.
  const std::vector<numbered_cell> cells{{1, {5, 10, 7, 90, 90, 90}}, {2, {10, 10, 7, 90, 90, 90}}};
  const lattice::solution_comparison c = lattice::compare_solutions(cells, {});
  ASSERT_EQ(c.groups.size(), 1u);
  EXPECT_EQ(c.groups[0].head, 2);
  ASSERT_EQ(c.groups[0].members.size(), 1u);
  const lattice::group_member& m = c.groups[0].members[0];
  EXPECT_EQ(lattice::member_verdict(m), "sublattice \u00d72");
  EXPECT_FALSE(m.matrix.is_integer());  // half an axis of the head
  expect_matrix_gives_member(cells[1].input, m, cells[0].input);
}

TEST(SolutionGroups, AHexagonalCellOfARhombohedralLatticeIsTheSameLatticeWithRCentring) {
  // Rhombohedral a = 5, alpha = 70: hexagonal axes a = 2 a sin(35), c = a sqrt(3 + 6 cos 70).
  const double ah = 2 * 5 * std::sin(35 * M_PI / 180);
  const double ch = 5 * std::sqrt(3 + 6 * std::cos(70 * M_PI / 180));
  const std::vector<numbered_cell> cells{{1, {5, 5, 5, 70, 70, 70}},
                                         {2, {ah, ah, ch, 90, 90, 120}}};
  const lattice::solution_comparison c = lattice::compare_solutions(cells, {});
  ASSERT_EQ(c.groups.size(), 1u);
  const lattice::group_member& m = c.groups[0].members.at(0);
  const int head = c.groups[0].head;
  // Either may head the group (both hR, both exact); the hexagonal cell is the centred one.
  EXPECT_EQ(lattice::member_verdict(m), head == 2 ? "same lattice, R-centred cell (the head's cell)"
                                                  : "same lattice, R-centred cell");
  EXPECT_FALSE(m.relation.reverse);
  expect_matrix_gives_member(cells[head - 1].input, m, cells[m.number - 1].input);
}

TEST(SolutionGroups, TolerancesDecideWhetherNearCellsMatch) {
  struct row {
    cell other;
    double length_tolerance;
    double delta;
    bool grouped;
  };
  const cell base{5, 6, 7, 90, 95, 90};
  const row rows[] = {
      {{5.015, 6.0, 7.0, 90, 95, 90}, 0.01, 3, true},    // 0.3 % longer a
      {{5.015, 6.0, 7.0, 90, 95, 90}, 0.001, 3, false},  // beyond 0.1 %
      {{5.0, 6.0, 7.0, 90, 96.5, 90}, 0.01, 3, true},    // 1.5 degrees within 3
      {{5.0, 6.0, 7.0, 90, 96.5, 90}, 0.01, 1, false},   // not within 1
  };
  for (const row& r : rows) {
    const lattice::solution_comparison c =
        lattice::compare_solutions({{1, base}, {2, r.other}}, {r.delta, r.length_tolerance});
    EXPECT_EQ(c.groups.size(), r.grouped ? 1u : 2u) << r.other.a << " " << r.other.beta << " tol "
                                                    << r.length_tolerance << " delta " << r.delta;
  }
}

TEST(SolutionGroups, CellsOnEitherSideOfANiggliBoundaryAreTheSameLattice) {
  const std::vector<numbered_cell> cells{{1, {5, 6, 7, 90, 90, 89.995}},
                                         {2, {5, 6, 7, 90, 90, 90.005}},
                                         {3, {5, 5.0004, 7, 90.003, 89.998, 120}}};
  const lattice::solution_comparison c = lattice::compare_solutions({cells[0], cells[1]}, {});
  EXPECT_EQ(c.groups.size(), 1u);
  const lattice::solution_comparison h =
      lattice::compare_solutions({cells[2], {4, {5.0004, 5, 7, 89.998, 90.003, 60}}}, {});
  EXPECT_EQ(h.groups.size(), 1u);
}

TEST(SolutionGroups, CellsWithoutVolumeAreUnusableAndBadOptionsThrow) {
  const lattice::solution_comparison c = lattice::compare_solutions(
      {{1, {4, 5, 6, 90, 90, 90}}, {2, {4, 5, 6, 10, 10, 150}, 9}, {3, {0, 5, 6, 90, 90, 90}}}, {});
  ASSERT_EQ(c.unusable.size(), 2u);
  EXPECT_EQ(c.unusable[0].number, 2);
  EXPECT_EQ(c.unusable[0].line, 9);
  EXPECT_EQ(c.unusable[1].number, 3);
  EXPECT_EQ(c.solutions.size(), 1u);
  EXPECT_EQ(c.groups.size(), 1u);
  EXPECT_THROW(lattice::compare_solutions({}, {3, 0}), lattice::lattice_error);
  EXPECT_THROW(lattice::compare_solutions({}, {0, 0.01}), lattice::lattice_error);
}

TEST(SolutionGroups, JsonHoldsEverySolutionOnceWithTheDocumentedKeys) {
  std::vector<numbered_cell> cells = kOrthoCSolutions;
  cells.push_back({6, {4, 5, 6, 10, 10, 150}});
  const std::string text = lattice::comparison_json(lattice::compare_solutions(cells, {}));
  const quarvel::testing::json_document doc(text);
  ASSERT_TRUE(doc.valid()) << doc.error() << "\n" << text;
  using quarvel::testing::key;
  const sajson::value root = doc.root();
  const sajson::value solutions = key(root, "solutions");
  ASSERT_EQ(solutions.get_length(), 5u);
  EXPECT_EQ(key(solutions.get_array_element(0), "bravais").as_string(), "oC");
  EXPECT_EQ(key(solutions.get_array_element(0), "cell").get_length(), 6u);
  std::vector<int> seen;
  const sajson::value groups = key(root, "groups");
  for (size_t g = 0; g < groups.get_length(); ++g) {
    seen.push_back(key(groups.get_array_element(g), "head").get_integer_value());
    const sajson::value members = key(groups.get_array_element(g), "members");
    for (size_t m = 0; m < members.get_length(); ++m) {
      const sajson::value member = members.get_array_element(m);
      seen.push_back(key(member, "number").get_integer_value());
      const std::string kind = key(member, "verdict").as_string();
      EXPECT_TRUE(kind == "same lattice" || kind == "sublattice" || kind == "superlattice");
      EXPECT_EQ(key(member, "matrix").get_length(), 3u);
    }
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(key(key(root, "unusable").get_array_element(0), "number").get_integer_value(), 6);
}

}  // namespace
