// The verdict on three lattice vectors, for hand-built cells of every Bravais type: the
// conventional centred cells (same lattice, read with their centring), supercells whose
// lattice keeps within the parent's symmetry and supercells that gain symmetry. The expected
// relation is counted from the definition (the input lattice's points in the cell's axes); the
// type named is the input lattice's for a cell of it, the spanned lattice's own otherwise.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string_view>

#include "lattice/analysis.hpp"
#include "lattice/metric.hpp"
#include "lattice_fixtures.hpp"
#include "lattice_generators.hpp"

namespace {

using namespace lattice;
using lattice_test::fraction_matrix;

struct verdict_case {
  const char* name;
  bravais_type lattice_type;  // of the input lattice L
  fraction_matrix rows;       // the cell's axes in L's conventional axes
  const char* verdict;
  bravais_type named;
  std::optional<cell> conventional = std::nullopt;  // else a generated lattice of the type
  centring centring_type = centring::P;             // with `conventional`
};

void PrintTo(const verdict_case& c, std::ostream* out) {
  *out << c.name;
}

fraction_matrix rows_of(const imat3& m) {
  return lattice_test::fractions_of(m);
}

const imat3 kSame{1, 0, 0, 0, 1, 0, 0, 0, 1};
const imat3 kDoubleC{1, 0, 0, 0, 1, 0, 0, 0, 2};

// "×" in UTF-8.
#define TIMES "\xc3\x97"

const verdict_case kCases[] = {
    {"aP_cell", bravais_type::aP, rows_of(kSame), "same lattice", bravais_type::aP},
    {"aP_c_doubled", bravais_type::aP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::aP},
    {"mP_cell", bravais_type::mP, rows_of(kSame), "same lattice", bravais_type::mP},
    {"mP_b_doubled", bravais_type::mP, rows_of({1, 0, 0, 0, 2, 0, 0, 0, 1}),
     "superlattice " TIMES "2", bravais_type::mP},
    {"mP_c_doubled", bravais_type::mP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::mP},
    {"mC_c_cell", bravais_type::mC, rows_of(kSame), "same lattice, C-centred cell",
     bravais_type::mC},
    // a' = a + c: the C translation (a+b)/2 is (a'+b-c)/2, the body centre.
    {"mC_i_cell", bravais_type::mC, rows_of({1, 0, 1, 0, 1, 0, 0, 0, 1}),
     "same lattice, I-centred cell", bravais_type::mC},
    // (0,0,1/2) joins (1/2,1/2,0): four points, no standard centring; a, b, 2c span mP.
    {"mC_c_doubled", bravais_type::mC, rows_of(kDoubleC), "superlattice " TIMES "4",
     bravais_type::mP},
    {"oP_cell", bravais_type::oP, rows_of(kSame), "same lattice", bravais_type::oP},
    {"oP_c_doubled", bravais_type::oP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::oP},
    {"oC_c_cell", bravais_type::oC, rows_of(kSame), "same lattice, C-centred cell",
     bravais_type::oC},
    // Axes b, c, a: the translation (a+b)/2 lies on the a'c' face.
    {"oC_b_cell", bravais_type::oC, rows_of({0, 1, 0, 0, 0, 1, 1, 0, 0}),
     "same lattice, B-centred cell", bravais_type::oC},
    {"oC_a_cell", bravais_type::oC, rows_of({0, 0, 1, 1, 0, 0, 0, 1, 0}),
     "same lattice, A-centred cell", bravais_type::oC},
    {"oC_c_doubled", bravais_type::oC, rows_of(kDoubleC), "superlattice " TIMES "4",
     bravais_type::oP},
    {"oI_cell", bravais_type::oI, rows_of(kSame), "same lattice, I-centred cell", bravais_type::oI},
    {"oI_c_doubled", bravais_type::oI, rows_of(kDoubleC), "superlattice " TIMES "4",
     bravais_type::oP},
    {"oF_cell", bravais_type::oF, rows_of(kSame), "same lattice, F-centred cell", bravais_type::oF},
    {"oF_c_doubled", bravais_type::oF, rows_of(kDoubleC), "superlattice " TIMES "8",
     bravais_type::oP},
    {"tP_cell", bravais_type::tP, rows_of(kSame), "same lattice", bravais_type::tP},
    {"tP_c_doubled", bravais_type::tP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::tP},
    {"tP_ab_tripled", bravais_type::tP, rows_of({3, 0, 0, 0, 3, 0, 0, 0, 1}),
     "superlattice " TIMES "9", bravais_type::tP},
    {"tI_cell", bravais_type::tI, rows_of(kSame), "same lattice, I-centred cell", bravais_type::tI},
    {"tI_c_doubled", bravais_type::tI, rows_of(kDoubleC), "superlattice " TIMES "4",
     bravais_type::tP},
    {"hR_obverse", bravais_type::hR, rows_of(kSame), "same lattice, R-centred cell",
     bravais_type::hR},
    // Turned by 180° about c: (2/3,1/3,1/3) becomes (1/3,2/3,1/3), the reverse setting.
    {"hR_reverse", bravais_type::hR, rows_of({-1, 0, 0, 0, -1, 0, 0, 0, 1}),
     "same lattice, R-centred cell", bravais_type::hR},
    // a, b, 2c of an hR lattice span a hexagonal P lattice: six points, a new six-fold.
    {"hR_c_doubled", bravais_type::hR, rows_of(kDoubleC), "superlattice " TIMES "6",
     bravais_type::hP},
    {"hP_cell", bravais_type::hP, rows_of(kSame), "same lattice", bravais_type::hP},
    {"hP_c_doubled", bravais_type::hP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::hP},
    // a - b, a + 2b: the √3 × √3 hexagonal cell, three points with no c component: not R.
    {"hP_root3_cell", bravais_type::hP, rows_of({1, -1, 0, 1, 2, 0, 0, 0, 1}),
     "superlattice " TIMES "3", bravais_type::hP},
    {"cP_cell", bravais_type::cP, rows_of(kSame), "same lattice", bravais_type::cP},
    {"cP_c_doubled", bravais_type::cP, rows_of(kDoubleC), "superlattice " TIMES "2",
     bravais_type::tP},
    {"cP_a_doubled", bravais_type::cP, rows_of({2, 0, 0, 0, 1, 0, 0, 0, 1}),
     "superlattice " TIMES "2", bravais_type::tP},
    {"cP_all_doubled", bravais_type::cP, rows_of({2, 0, 0, 0, 2, 0, 0, 0, 2}),
     "superlattice " TIMES "8", bravais_type::cP},
    // Hexagonal axes with c along the body diagonal: a cubic P lattice is rhombohedral.
    {"cP_hexagonal_cell", bravais_type::cP, rows_of({1, -1, 0, 0, 1, -1, 1, 1, 1}),
     "same lattice, R-centred cell", bravais_type::cP},
    {"cI_cell", bravais_type::cI, rows_of(kSame), "same lattice, I-centred cell", bravais_type::cI},
    {"cI_c_doubled", bravais_type::cI, rows_of(kDoubleC), "superlattice " TIMES "4",
     bravais_type::tP},
    {"cF_cell", bravais_type::cF, rows_of(kSame), "same lattice, F-centred cell", bravais_type::cF},
    {"cF_c_doubled", bravais_type::cF, rows_of(kDoubleC), "superlattice " TIMES "8",
     bravais_type::tP},
    // b = a√3: 2a, -a + b, c is hexagonal, a symmetry the orthorhombic lattice lacks.
    {"hexagonal_superlattice_of_oP", bravais_type::oP, rows_of({2, 0, 0, -1, 1, 0, 0, 0, 1}),
     "superlattice " TIMES "2", bravais_type::hP, cell{4, 4 * std::sqrt(3.0), 5, 90, 90, 90}},
    // c = 2a: 2a, 2b, c is cubic.
    {"cubic_superlattice_of_tP", bravais_type::tP, rows_of({2, 0, 0, 0, 2, 0, 0, 0, 1}),
     "superlattice " TIMES "4", bravais_type::cP, cell{4, 4, 8, 90, 90, 90}},
    // c = a√2: a + b, -a + b, c is cubic and C-centred on the tP lattice.
    {"cubic_c_cell_of_tP", bravais_type::tP, rows_of({1, 1, 0, -1, 1, 0, 0, 0, 1}),
     "same lattice, C-centred cell", bravais_type::tP, cell{4, 4, 4 * std::sqrt(2.0), 90, 90, 90}},
};

#undef TIMES

class HandBuiltCells : public testing::TestWithParam<verdict_case> {};

void expect_verdict(const verdict_case& c, const cell& input, centring given,
                    const fraction_matrix& rows_in_input) {
  SCOPED_TRACE(lattice_test::describe(input) + " " + std::string(centring_name(given)));
  const std::optional<imat3> rows = lattice_test::whole(rows_in_input);
  ASSERT_TRUE(rows.has_value()) << "the cell's axes are lattice vectors";
  const cell_relation expected =
      lattice_test::relation_by_definition(rows_in_input, given, centring::P);
  EXPECT_EQ(expected.verdict(), c.verdict) << "the definition counted otherwise";
  const basis_verdict v = judge_basis(input, {given}, *rows);
  EXPECT_EQ(v.relation, expected) << v.relation.verdict();
  EXPECT_EQ(v.relation.verdict(), c.verdict);
  EXPECT_EQ(v.bravais, c.named);
  EXPECT_LT(v.delta, 0.5);
  const auto [num, den] = lattice_test::determinant_of(rows_in_input);
  EXPECT_EQ(v.volume_ratio, static_cast<double>(std::abs(num) / den));
  const cell spanned = lattice_test::cell_with_axes(input, rows_in_input);
  for (int k = 0; k < 6; ++k)
    EXPECT_NEAR(v.spanned.parameters()[k], spanned.parameters()[k], 1e-9 * spanned.parameters()[k]);
}

// The first generated lattice of the type on which the table's expectation for the spanned
// lattice holds: a superlattice cell of a generic lattice can gain a pseudo-symmetry by chance
// (a, b, 2c of a triclinic lattice may be monoclinic within 3°), so S must have exactly the
// two-fold axes of the type the table names, within 5°.
lattice_test::generated_lattice lattice_for(const verdict_case& c) {
  if (c.conventional) return {c.lattice_type, *c.conventional, c.centring_type};
  const bool superlattice = std::string_view(c.verdict).starts_with("superlattice");
  for (unsigned seed = 500;; ++seed) {
    const lattice_test::generated_lattice l =
        lattice_test::generated_lattices(c.lattice_type, 1, seed).front();
    if (!superlattice) return l;
    const dmat3 spanned = transformed(metric_of(l.conventional), lattice_test::real_of(c.rows));
    if (lattice_test::near_two_fold_axes(spanned, 5) == lattice_test::two_fold_axes_of(c.named))
      return l;
  }
}

// The cell judged in L given as its conventional cell with its centring, as its primitive cell
// (for cF the 60° rhombohedral cell, for hR the rhombohedral one) and in random primitive
// settings; exact and with noise.
TEST_P(HandBuiltCells, VerdictFollowsFromTheLatticePointsInTheCell) {
  const verdict_case& c = GetParam();
  const lattice_test::generated_lattice l = lattice_for(c);
  std::mt19937 random(static_cast<unsigned>(c.lattice_type) + 900);
  const cell noisy = lattice_test::perturbed(l.conventional, 1e-4, 0.01, random);
  for (const cell& conventional : {l.conventional, noisy}) {
    expect_verdict(c, conventional, l.centring_type, c.rows);
    const fraction_matrix to_primitive = lattice_test::primitive_rows(l.centring_type);
    for (int s = 0; s < 4; ++s) {
      // Input axes U P in the conventional axes; the cell's axes in them: K (U P)⁻¹.
      const imat3 u = s == 0 ? identity3<imat3>() : lattice_test::random_unimodular(random, 2);
      const fraction_matrix input_axes =
          lattice_test::product(lattice_test::fractions_of(u), to_primitive);
      expect_verdict(c, lattice_test::cell_with_axes(conventional, input_axes), centring::P,
                     lattice_test::product(c.rows, lattice_test::inverse_of(input_axes)));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BasisVerdicts, HandBuiltCells, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<verdict_case>& tested) {
                           return std::string(tested.param.name);
                         });

// A lattice given in a setting far from reduced (change of basis entries in the hundreds): a
// superlattice that three short rows of the given axes span is named as the spanned cell itself
// is analysed, however large the rows are in the reduced axes. Such a cell, with angles of a
// degree or two, defines its lattice to about 0.005° only, so δ is compared to 0.01°.
TEST(FarSettings, ASuperlatticeIsNamedAsItsCellAnalysedAlone) {
  std::mt19937 random(41);
  for (bravais_type type :
       {bravais_type::mP, bravais_type::oP, bravais_type::tP, bravais_type::hP, bravais_type::cP}) {
    const lattice_test::generated_lattice l = lattice_test::generated_lattices(type, 1, 7).front();
    imat3 u = identity3<imat3>();
    for (int k = 0; k < 3; ++k) u = multiply(u, lattice_test::random_unimodular(random, 4));
    const cell input = cell_of(transformed(metric_of(l.conventional), to_real(u)));
    SCOPED_TRACE(lattice_test::describe(input));
    const basis_verdict v = judge_basis(input, {}, {1, 0, 0, 0, 1, 0, 0, 0, 2});
    ASSERT_EQ(v.relation.kind, relation_kind::superlattice);
    const lattice_entry alone = analyse(v.spanned, {}).lattices.front();
    EXPECT_EQ(v.bravais, alone.bravais);
    EXPECT_NEAR(v.delta, alone.delta, 0.01);
  }
}

}  // namespace
