// Subgroups a larger δ would list, and the δ from which it lists each: checked against the
// analysis run again at that δ, just below and just above it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lattice/hidden_subgroups.hpp"
#include "lattice_output/analysis_output.hpp"

namespace {

using namespace lattice;

bool lists(const analysis& a, const lattice_entry& e) {
  return std::any_of(a.lattices.begin(), a.lattices.end(), [&](const lattice_entry& x) {
    return x.bravais == e.bravais && x.cell_centring == e.cell_centring && x.matrix == e.matrix;
  });
}

analysis at(const cell& c, double delta) {
  analysis_options options;
  options.delta_limit = delta;
  return analyse(c, options);
}

// Two mC subgroups whose own two-fold is 2.456° off are listed only with the group's 4.903° one.
TEST(HiddenSubgroups, MonoclinicSubgroupsKeptOutByTheirGroupAreNamedWithTheirDelta) {
  const analysis a = at({10, 10, 20, 90, 45, 120}, 3);
  int found = 0;
  for (const hidden_subgroup& h : hidden_subgroups(a)) {
    if (h.entry.bravais != bravais_type::mC || std::abs(h.entry.delta - 2.4561) > 1e-4) continue;
    ++found;
    EXPECT_NEAR(h.listed_from, 4.9032, 1e-4);
  }
  EXPECT_EQ(found, 2);
  const std::string text = analysis_text(a);
  EXPECT_NE(text.find("Hint: mC a,a+2*b,-2*a-b+c (its own delta 2.4561 deg) is listed from delta "
                      "4.9032 deg\n"),
            std::string::npos)
      << text;
}

TEST(HiddenSubgroups, EachIsListedFromItsDeltaAndNotBelowIt) {
  const struct {
    cell c;
    double limit;
  } cases[] = {
      {{10, 10, 20, 90, 45, 120}, 3},   {{10, 10, 20, 90, 45, 120}, 1},
      {{4, 4.1, 4.2, 89, 91, 90.5}, 1}, {{5, 5.05, 7, 90, 90, 119}, 0.7},
      {{4, 6.928, 5, 90, 90, 90}, 3},   {{5.1, 6.2, 7.3, 81, 95, 103}, 3},
  };
  for (const auto& c : cases) {
    const analysis a = at(c.c, c.limit);
    const std::vector<hidden_subgroup> hidden = hidden_subgroups(a);
    // Everything the larger δ lists is either listed already or hidden.
    for (const lattice_entry& e : at(c.c, 2 * c.limit).lattices) {
      const bool is_hidden =
          std::any_of(hidden.begin(), hidden.end(), [&](const hidden_subgroup& h) {
            return h.entry.matrix == e.matrix && h.entry.bravais == e.bravais;
          });
      EXPECT_NE(lists(a, e), is_hidden) << type_label(e) << " " << change_of_basis_text(e.matrix);
    }
    for (const hidden_subgroup& h : hidden) {
      SCOPED_TRACE(type_label(h.entry) + " " + change_of_basis_text(h.entry.matrix));
      EXPECT_GT(h.listed_from, c.limit);
      EXPECT_LE(h.listed_from, 2 * c.limit);
      EXPECT_TRUE(lists(at(c.c, h.listed_from + 1e-6), h.entry));
      if (h.listed_from - 1e-4 > c.limit) {
        EXPECT_FALSE(lists(at(c.c, h.listed_from - 1e-4), h.entry));
      }
    }
    EXPECT_TRUE(std::is_sorted(hidden.begin(), hidden.end(),
                               [](const hidden_subgroup& x, const hidden_subgroup& y) {
                                 return x.listed_from < y.listed_from;
                               }));
  }
}

TEST(HiddenSubgroups, ACellWithoutNearSymmetryGetsNoHint) {
  const analysis a = at({5.1, 6.2, 7.3, 81, 95, 103}, 3);
  EXPECT_TRUE(hidden_subgroups(a).empty());
  EXPECT_EQ(analysis_text(a).find("Hint"), std::string::npos);
}

}  // namespace
