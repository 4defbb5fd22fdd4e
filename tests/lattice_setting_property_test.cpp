// Properties of every entry the analysis prints, over many generated lattices of each Bravais
// type: given in their conventional cell (monoclinic ones with the unique axis as a, b and c)
// and in random primitive settings, exact, with measurement noise and rounded to 8 decimals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <tuple>

#include "lattice/analysis.hpp"
#include "lattice/metric.hpp"
#include "lattice_fixtures.hpp"
#include "lattice_generators.hpp"

namespace {

using namespace lattice;
using lattice_test::fraction_matrix;

constexpr int kLatticesPerType = 4;
constexpr int kRandomSettings = 6;
constexpr int kLargestSettingEntry = 3;
constexpr int kMaxIndex = 2;

enum class variant { exact, noisy, rounded };

struct analysed_setting {
  int lattice = 0;  // which generated lattice of the type
  variant kind = variant::exact;
  cell input;
  centring given = centring::P;
  analysis result;
  std::string label;
};

std::string label_of(int lattice, const char* setting, variant kind, const cell& input,
                     centring given) {
  static const char* const kinds[] = {"exact", "noisy", "rounded"};
  std::ostringstream text;
  text << "lattice " << lattice << ", " << setting << ", " << kinds[static_cast<int>(kind)] << ": "
       << lattice_test::describe(input) << " " << centring_name(given);
  return text.str();
}

// Every setting of every generated lattice of the type, analysed once for all the tests below.
const std::vector<analysed_setting>& analysed(bravais_type type) {
  static std::map<bravais_type, std::vector<analysed_setting>> cache;
  auto found = cache.find(type);
  if (found != cache.end()) return found->second;
  std::vector<analysed_setting>& out = cache[type];
  const unsigned seed = 1000 + static_cast<unsigned>(type);
  std::mt19937 random(seed);
  const auto lattices = lattice_test::generated_lattices(type, kLatticesPerType, seed);
  for (int n = 0; n < static_cast<int>(lattices.size()); ++n) {
    const lattice_test::generated_lattice& l = lattices[n];
    // One noisy lattice for all its settings, so that its Niggli cell is one cell too.
    const cell noisy = lattice_test::perturbed(l.conventional, 1e-4, 0.01, random);
    auto add = [&](const char* setting, const cell& exact_cell, const cell& noisy_cell,
                   centring given) {
      const std::pair<variant, cell> variants[] = {
          {variant::exact, exact_cell},
          {variant::noisy, noisy_cell},
          {variant::rounded, lattice_test::rounded(exact_cell, 8)}};
      for (const auto& [kind, input] : variants)
        out.push_back({n, kind, input, given,
                       analyse(input, {given, kDefaultDeltaLimit, kMaxIndex}),
                       label_of(n, setting, kind, input, given)});
    };
    if (system_of(type) == lattice_system::monoclinic) {
      const char* names[] = {"unique axis a", "unique axis b", "unique axis c"};
      for (int axis = 0; axis < 3; ++axis) {
        auto [exact_cell, given] =
            lattice_test::with_unique_axis(l.conventional, l.centring_type, axis);
        add(names[axis], exact_cell,
            lattice_test::with_unique_axis(noisy, l.centring_type, axis).first, given);
      }
    } else {
      add("conventional", l.conventional, noisy, l.centring_type);
    }
    const fraction_matrix to_primitive = lattice_test::primitive_rows(l.centring_type);
    for (int s = 0; s < kRandomSettings; ++s) {
      const fraction_matrix rows = lattice_test::product(
          lattice_test::fractions_of(lattice_test::random_unimodular(random, kLargestSettingEntry)),
          to_primitive);
      add("random primitive setting", lattice_test::cell_with_axes(l.conventional, rows),
          lattice_test::cell_with_axes(noisy, rows), centring::P);
    }
  }
  return out;
}

bool near(double x, double y, double relative) {
  return std::abs(x - y) <= relative * std::max(std::abs(x), std::abs(y));
}

double angle_deg(const dmat3& g, const ivec3& x, const ivec3& y) {
  const dvec3 rx = to_real(x), ry = to_real(y);
  const double c = dot(rx, lattice::apply(g, ry)) / std::sqrt(length_sq(g, x) * length_sq(g, y));
  return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
}

// The centring letters a type's conventional cell may carry.
std::vector<centring> allowed_centrings(bravais_type t) {
  switch (t) {
    case bravais_type::mC:
      return {centring::C, centring::I};
    case bravais_type::oC:
      return {centring::C};
    case bravais_type::oI:
    case bravais_type::tI:
    case bravais_type::cI:
      return {centring::I};
    case bravais_type::oF:
    case bravais_type::cF:
      return {centring::F};
    case bravais_type::hR:
      return {centring::R};
    default:
      return {centring::P};
  }
}

// Other monoclinic cells of the entry's lattice with the same b: a' = i a + j c, c' = k a + l c
// with il - jk = ±1, kept when they carry a centring the standard allows (P for mP; C or I for
// mC). No such cell may have a β more than the 3° of the best-cell rule nearer 90°.
void expect_no_clearly_better_beta(const lattice_entry& e) {
  const dmat3 g = metric_of(e.ideal);
  const double beta = e.ideal.beta;
  const lattice_test::translations own = lattice_test::centring_points(e.cell_centring);
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j)
      for (int k = -2; k <= 2; ++k)
        for (int l = -2; l <= 2; ++l) {
          if (std::abs(i * l - j * k) != 1) continue;
          const imat3 w{i, 0, j, 0, 1, 0, k, 0, l};
          if (e.bravais == bravais_type::mC) {
            const auto moved =
                lattice_test::standard_centring_of(lattice_test::lattice_points_in_cell(
                    lattice_test::fractions_of(w), e.cell_centring));
            if (!moved || (moved->type != centring::C && moved->type != centring::I)) continue;
          }
          double other = angle_deg(g, row(w, 0), row(w, 2));
          other = std::max(other, 180 - other);
          const std::string named = "the cell " + std::to_string(i) + "a+" + std::to_string(j) +
                                    "c, b, " + std::to_string(k) + "a+" + std::to_string(l) + "c";
          EXPECT_GE(other, beta - 3 - 1e-6)
              << named << " has beta " << other << " against " << beta;
          // Cells of equal β rank by a, then c.
          if (std::abs(other - beta) < 1e-7) {
            const double a = std::sqrt(length_sq(g, row(w, 0))),
                         c = std::sqrt(length_sq(g, row(w, 2)));
            EXPECT_FALSE(a < e.ideal.a * (1 - 1e-9) ||
                         (a < e.ideal.a * (1 + 1e-9) && c < e.ideal.c * (1 - 1e-9)))
                << named << " has the same beta with a " << a << ", c " << c;
          }
        }
}

void expect_standard_setting(const lattice_entry& e, const analysis& a) {
  const cell& x = e.ideal;
  constexpr double kRel = 1e-9, kDeg = 1e-7;
  const auto allowed = allowed_centrings(e.bravais);
  EXPECT_NE(std::find(allowed.begin(), allowed.end(), e.cell_centring), allowed.end())
      << "centring " << centring_name(e.cell_centring);
  auto right_angles = [&](bool alpha, bool beta, bool gamma) {
    if (alpha) {
      EXPECT_NEAR(x.alpha, 90, kDeg);
    }
    if (beta) {
      EXPECT_NEAR(x.beta, 90, kDeg);
    }
    if (gamma) {
      EXPECT_NEAR(x.gamma, 90, kDeg);
    }
  };
  switch (system_of(e.bravais)) {
    case lattice_system::triclinic:
      // The Niggli cell itself, as cctbx's best cell of P1.
      for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(near(e.conventional.parameters()[k], a.reduced.parameters()[k], kRel)) << k;
      break;
    case lattice_system::monoclinic:
      right_angles(true, false, true);
      EXPECT_GE(x.beta, 90 - kDeg);
      // Turning (a, b, c) into (c, -b, a) keeps β: the shorter of a and c comes first.
      if (e.bravais == bravais_type::mP) {
        EXPECT_LE(x.a, x.c * (1 + kRel));
      }
      expect_no_clearly_better_beta(e);
      break;
    case lattice_system::orthorhombic:
      right_angles(true, true, true);
      EXPECT_LE(x.a, x.b * (1 + kRel));
      if (e.bravais != bravais_type::oC) {
        EXPECT_LE(x.b, x.c * (1 + kRel));
      }
      break;
    case lattice_system::tetragonal:
      // a = b with right angles: c is the four-fold axis.
      right_angles(true, true, true);
      EXPECT_TRUE(near(x.a, x.b, kRel)) << x.a << " " << x.b;
      break;
    case lattice_system::rhombohedral:
    case lattice_system::hexagonal:
      right_angles(true, true, false);
      EXPECT_NEAR(x.gamma, 120, kDeg);
      EXPECT_TRUE(near(x.a, x.b, kRel)) << x.a << " " << x.b;
      break;
    case lattice_system::cubic:
      right_angles(true, true, true);
      EXPECT_TRUE(near(x.a, x.b, kRel) && near(x.b, x.c, kRel)) << x.a << " " << x.b << " " << x.c;
      break;
  }
}

class GeneratedLattices : public testing::TestWithParam<bravais_type> {};

TEST_P(GeneratedLattices, TopEntryIsTheGeneratedType) {
  for (const analysed_setting& s : analysed(GetParam())) {
    ASSERT_FALSE(s.result.lattices.empty()) << s.label;
    EXPECT_EQ(s.result.lattices.front().bravais, GetParam()) << s.label;
    EXPECT_EQ(s.result.lattices.front().index, 1) << s.label;
  }
}

TEST_P(GeneratedLattices, ConventionalCellsAreInTheStandardSetting) {
  for (const analysed_setting& s : analysed(GetParam()))
    for (const lattice_entry& e : s.result.lattices) {
      SCOPED_TRACE(s.label + ", entry " + std::string(bravais_name(e.bravais)) + " of index " +
                   std::to_string(e.index) + ": " + lattice_test::describe(e.ideal));
      expect_standard_setting(e, s.result);
    }
}

// Lattice points of the input lattice in the conventional cell's axes, from its matrix alone:
// the hR cell must show the obverse translations (2/3,1/3,1/3), (1/3,2/3,2/3), and every cell
// of index 1 exactly its own centring.
TEST_P(GeneratedLattices, CentringAndRelationFollowFromTheMatrix) {
  for (const analysed_setting& s : analysed(GetParam()))
    for (const lattice_entry& e : s.result.lattices) {
      SCOPED_TRACE(s.label + ", entry " + std::string(bravais_name(e.bravais)) + " of index " +
                   std::to_string(e.index));
      const fraction_matrix m = lattice_test::fractions_of(e.matrix);
      const lattice_test::translations points = lattice_test::lattice_points_in_cell(m, s.given);
      // The cell's own centring translations are vectors of the input lattice, and the lattice
      // they span with the axes has the entry's index in it.
      EXPECT_TRUE(lattice_test::contains(points, lattice_test::centring_points(e.cell_centring)));
      EXPECT_EQ(static_cast<int>(points.points.size()),
                e.index * lattice_test::multiplicity(e.cell_centring));
      EXPECT_EQ(e.relation, lattice_test::relation_by_definition(m, s.given, e.cell_centring))
          << e.relation.verdict();
      if (e.index == 1) {
        const auto own = lattice_test::standard_centring_of(points);
        ASSERT_TRUE(own.has_value());
        EXPECT_EQ(own->type, e.cell_centring);
        EXPECT_FALSE(own->reverse);
        EXPECT_EQ(
            e.relation.verdict(),
            e.cell_centring == centring::P
                ? std::string("same lattice")
                : "same lattice, " + std::string(centring_name(e.cell_centring)) + "-centred cell");
      }
    }
}

TEST_P(GeneratedLattices, MatricesHavePositiveDeterminantAndCarryTheInputMetric) {
  for (const analysed_setting& s : analysed(GetParam())) {
    const dmat3 g = metric_of(s.input);
    auto expect_carries = [&](const rational_matrix& matrix, const cell& target) {
      const fraction_matrix m = lattice_test::fractions_of(matrix);
      EXPECT_GT(lattice_test::determinant_of(m).first, 0);
      const cell carried = cell_of(transformed(g, lattice_test::real_of(m)));
      for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(near(carried.parameters()[k], target.parameters()[k], 1e-9))
            << k << ": " << lattice_test::describe(carried) << " against "
            << lattice_test::describe(target);
    };
    SCOPED_TRACE(s.label);
    expect_carries(s.result.reduced_matrix, s.result.reduced);
    for (const lattice_entry& e : s.result.lattices) {
      SCOPED_TRACE(std::string(bravais_name(e.bravais)) + " of index " + std::to_string(e.index));
      expect_carries(e.matrix, e.conventional);
      const auto [num, den] = lattice_test::determinant_of(lattice_test::fractions_of(e.matrix));
      EXPECT_DOUBLE_EQ(e.volume_ratio, static_cast<double>(num) / static_cast<double>(den));
    }
  }
}

// Index 1 first, then index by index; within each, the holohedry's order, then its space-group
// number, from the highest down, then δ from the smallest up.
TEST_P(GeneratedLattices, EntriesAreListedInTheDocumentedOrder) {
  int delta_ties_compared = 0;
  for (const analysed_setting& s : analysed(GetParam())) {
    SCOPED_TRACE(s.label);
    const auto& entries = s.result.lattices;
    for (const lattice_entry& e : entries) EXPECT_LE(e.delta, s.result.delta_limit);
    for (size_t i = 1; i < entries.size(); ++i) {
      const lattice_entry &x = entries[i - 1], &y = entries[i];
      ASSERT_LE(x.index, y.index);
      if (x.index != y.index) continue;
      const auto key = [](const lattice_entry& e) {
        return std::tuple(-lattice_test::holohedry_order_of(e.bravais),
                          -lattice_test::space_group_of(e.bravais));
      };
      EXPECT_LE(key(x), key(y)) << bravais_name(x.bravais) << " before " << bravais_name(y.bravais);
      if (key(x) == key(y)) {
        EXPECT_LE(x.delta, y.delta) << bravais_name(x.bravais) << " at index " << x.index;
        if (x.delta != y.delta) ++delta_ties_compared;
      }
    }
  }
  // Lattices above monoclinic have conjugate subgroups of one type, apart in δ once noisy.
  if (lattice_test::holohedry_order_of(GetParam()) > 4) {
    EXPECT_GT(delta_ties_compared, 0);
  }
}

// Křivý & Gruber's conditions (International Tables A, 9.2.2) with the relative ε of
// Grosse-Kunstleve et al. (1e-5 of the shortest squared length): equalities within half of it
// are equalities for the reduction too, so the special conditions must hold there.
void expect_niggli(const cell& reduced) {
  const dmat3 g = metric_of(reduced);
  const double A = g[0], B = g[4], C = g[8], xi = 2 * g[5], eta = 2 * g[2], zeta = 2 * g[1];
  const double eps = 1e-5 * A, equal = 0.5 * eps, slack = 1.5 * eps;
  auto same = [&](double x, double y) { return std::abs(x - y) <= equal; };
  EXPECT_LE(A, B + slack);
  EXPECT_LE(B, C + slack);
  EXPECT_LE(std::abs(xi), B + slack);
  EXPECT_LE(std::abs(eta), A + slack);
  EXPECT_LE(std::abs(zeta), A + slack);
  // Type I only with all three beyond ε: an angle term within it counts as zero (type II).
  const bool type_one = xi > equal && eta > equal && zeta > equal;
  const bool type_two = xi < slack && eta < slack && zeta < slack;
  EXPECT_TRUE(type_one || type_two) << xi << " " << eta << " " << zeta;
  if (same(A, B)) {
    EXPECT_LE(std::abs(xi), std::abs(eta) + slack);
  }
  if (same(B, C)) {
    EXPECT_LE(std::abs(eta), std::abs(zeta) + slack);
  }
  if (same(xi, B)) {
    EXPECT_LE(zeta, 2 * eta + slack);
  }
  if (same(eta, A)) {
    EXPECT_LE(zeta, 2 * xi + slack);
  }
  if (same(zeta, A)) {
    EXPECT_LE(eta, 2 * xi + slack);
  }
  if (same(xi, -B)) {
    EXPECT_LE(std::abs(zeta), slack);
  }
  if (same(eta, -A)) {
    EXPECT_LE(std::abs(zeta), slack);
  }
  if (same(zeta, -A)) {
    EXPECT_LE(std::abs(eta), slack);
  }
  if (same(xi + eta + zeta + A + B, 0)) {
    EXPECT_LE(2 * (A + eta) + zeta, slack);
  }
}

TEST_P(GeneratedLattices, ReducedCellMeetsTheNiggliConditions) {
  for (const analysed_setting& s : analysed(GetParam())) {
    SCOPED_TRACE(s.label + ", reduced " + lattice_test::describe(s.result.reduced));
    expect_niggli(s.result.reduced);
  }
}

// The Niggli cell is unique: every setting of one lattice reduces to the same cell (rounded
// settings only to within their rounding).
TEST_P(GeneratedLattices, SettingsOfOneLatticeReduceToOneNiggliCell) {
  std::map<std::pair<int, variant>, const analysed_setting*> first;
  for (const analysed_setting& s : analysed(GetParam())) {
    auto [at, inserted] = first.try_emplace({s.lattice, s.kind}, &s);
    if (inserted) continue;
    const cell &x = s.result.reduced, &y = at->second->result.reduced;
    const bool rounded = s.kind == variant::rounded;
    for (int k = 0; k < 6; ++k) {
      if (k < 3)
        EXPECT_TRUE(near(x.parameters()[k], y.parameters()[k], rounded ? 1e-6 : 1e-8))
            << s.label << " reduces to " << lattice_test::describe(x) << ", " << at->second->label
            << " to " << lattice_test::describe(y);
      else
        EXPECT_NEAR(x.parameters()[k], y.parameters()[k], rounded ? 1e-4 : 1e-6)
            << s.label << " reduces to " << lattice_test::describe(x) << ", " << at->second->label
            << " to " << lattice_test::describe(y);
    }
  }
}

struct monoclinic_case {
  const char* name;
  cell input;
  centring given;
  cell expected;  // the best cell of cctbx's lattice_symmetry.metric_subgroups
  centring expected_centring;
};

void PrintTo(const monoclinic_case& c, std::ostream* out) {
  *out << c.name;
}

class MonoclinicBestCell : public testing::TestWithParam<monoclinic_case> {};

TEST_P(MonoclinicBestCell, IsTheCellCctbxChooses) {
  const monoclinic_case& c = GetParam();
  const analysis a = analyse(c.input, {c.given});
  const lattice_entry& top = a.lattices.front();
  EXPECT_EQ(system_of(top.bravais), lattice_system::monoclinic);
  EXPECT_EQ(top.cell_centring, c.expected_centring);
  for (int k = 0; k < 6; ++k)
    EXPECT_NEAR(top.conventional.parameters()[k], c.expected.parameters()[k], 1e-5) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MonoclinicBestCell,
    testing::Values(
        // The I cell a + c, b, c is 20° nearer 90° than the C cell.
        monoclinic_case{"i_cell_nearer_90",
                        {10, 6, 5, 90, 115, 90},
                        centring::C,
                        {5, 6, 9.09605, 90, 94.88015, 90},
                        centring::I},
        monoclinic_case{"i_cell_with_unique_axis_a",
                        {6, 5, 10, 115, 90, 90},
                        centring::B,
                        {5, 6, 9.09605, 90, 94.88015, 90},
                        centring::I},
        monoclinic_case{"i_cell_with_unique_axis_c",
                        {5, 10, 6, 90, 90, 115},
                        centring::A,
                        {5, 6, 9.09605, 90, 94.88015, 90},
                        centring::I},
        monoclinic_case{"i_cell_of_a_steep_c_cell",
                        {12, 6, 5, 90, 122, 90},
                        centring::C,
                        {5, 6, 10.26692, 90, 97.60656, 90},
                        centring::I},
        // Betas 104.8° (C, a = 9.7) and 106.19° (I, a = 5.2) lie within 3°: the shorter a wins.
        monoclinic_case{"i_cell_by_the_3_degree_tie",
                        {9.7, 6.3, 5.2, 90, 104.8, 90},
                        centring::C,
                        {5.2, 6.3, 9.76528, 90, 106.18626, 90},
                        centring::I},
        monoclinic_case{"c_cell_kept",
                        {5, 8, 9, 90, 100, 90},
                        centring::C,
                        {5, 8, 9, 90, 100, 90},
                        centring::C},
        monoclinic_case{"shorter_of_a_and_c_first",
                        {8, 7, 6, 90, 100, 90},
                        centring::P,
                        {6, 7, 8, 90, 100, 90},
                        centring::P},
        monoclinic_case{"p_cell_with_unique_axis_a",
                        {7, 8, 6, 100, 90, 90},
                        centring::P,
                        {6, 7, 8, 90, 100, 90},
                        centring::P},
        monoclinic_case{"p_cell_with_unique_axis_c",
                        {8, 6, 7, 90, 90, 100},
                        centring::P,
                        {6, 7, 8, 90, 100, 90},
                        centring::P}),
    [](const testing::TestParamInfo<monoclinic_case>& tested) {
      return std::string(tested.param.name);
    });

INSTANTIATE_TEST_SUITE_P(AllFourteen, GeneratedLattices,
                         testing::Values(bravais_type::aP, bravais_type::mP, bravais_type::mC,
                                         bravais_type::oP, bravais_type::oC, bravais_type::oF,
                                         bravais_type::oI, bravais_type::tP, bravais_type::tI,
                                         bravais_type::hR, bravais_type::hP, bravais_type::cP,
                                         bravais_type::cF, bravais_type::cI),
                         [](const testing::TestParamInfo<bravais_type>& tested) {
                           return std::string(bravais_name(tested.param));
                         });

}  // namespace
