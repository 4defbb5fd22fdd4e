// Every number of the JSON outputs read back with an independent parser and compared with the
// value it was written from: the analysis (cells, ideal cells, matrices, inverses,
// determinants, δ, deviations, V/Vo), the verdict on a basis and the comparison of solutions.
// The parser reads decimals to within a few units in the last place, so "equal" allows 1e-15
// relative; a number cut to fewer digits misses by far more.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "json_reader.hpp"
#include "lattice_fixtures.hpp"
#include "lattice_generators.hpp"
#include "lattice_output/analysis_output.hpp"
#include "lattice_output/solution_groups_output.hpp"

namespace {

using namespace lattice;
using lattice_test::fraction_matrix;
using quarvel::testing::json_document;

constexpr double kReadBack = 1e-15;

// The member of an object, failing when it is missing.
sajson::value field(const sajson::value& object, const char* name) {
  EXPECT_EQ(object.get_type(), sajson::TYPE_OBJECT);
  EXPECT_LT(object.find_object_key(sajson::string(name, std::char_traits<char>::length(name))),
            object.get_length())
      << "no key " << name;
  return quarvel::testing::key(object, name);
}

bool is_number(const sajson::value& v) {
  return v.get_type() == sajson::TYPE_DOUBLE || v.get_type() == sajson::TYPE_INTEGER;
}

void expect_number(const sajson::value& v, double expected, const std::string& what) {
  ASSERT_TRUE(is_number(v)) << what;
  const double read = v.get_number_value();
  EXPECT_LE(std::abs(read - expected), kReadBack * std::abs(expected))
      << what << ": read " << read << ", written from " << expected;
}

void expect_numbers(const sajson::value& list, const std::vector<double>& expected,
                    const std::string& what) {
  ASSERT_EQ(list.get_type(), sajson::TYPE_ARRAY) << what;
  ASSERT_EQ(list.get_length(), expected.size()) << what;
  for (size_t i = 0; i < expected.size(); ++i)
    expect_number(list.get_array_element(i), expected[i], what + "[" + std::to_string(i) + "]");
}

void expect_cell(const sajson::value& list, const cell& c, const std::string& what) {
  const auto p = c.parameters();
  expect_numbers(list, {p.begin(), p.end()}, what);
}

void expect_matrix(const sajson::value& rows, const fraction_matrix& m, const std::string& what) {
  ASSERT_EQ(rows.get_type(), sajson::TYPE_ARRAY) << what;
  ASSERT_EQ(rows.get_length(), 3u) << what;
  for (int i = 0; i < 3; ++i)
    expect_numbers(rows.get_array_element(i),
                   {lattice_test::entry(m, 3 * i), lattice_test::entry(m, 3 * i + 1),
                    lattice_test::entry(m, 3 * i + 2)},
                   what + " row " + std::to_string(i));
}

void expect_relation(const sajson::value& object, const cell_relation& r, const std::string& what) {
  EXPECT_EQ(field(object, "index").get_integer_value(), r.index) << what;
  EXPECT_EQ(field(object, "verdict_text").as_string(), r.verdict()) << what;
  const sajson::value letter = field(object, "centring");
  if (r.centred == centring::P) {
    EXPECT_EQ(letter.get_type(), sajson::TYPE_NULL) << what;
  } else {
    ASSERT_EQ(letter.get_type(), sajson::TYPE_STRING) << what;
    EXPECT_EQ(letter.as_string(), centring_name(r.centred)) << what;
  }
}

// Noisy lattices (no round numbers) of several types, with derivative entries and a basis.
struct json_case {
  const char* name;
  lattice::bravais_type type;
  imat3 basis;  // in the input axes
};

void PrintTo(const json_case& c, std::ostream* out) {
  *out << c.name;
}

class AnalysisJson : public testing::TestWithParam<json_case> {};

TEST_P(AnalysisJson, EveryNumberReadsBackAsTheValueItWasWrittenFrom) {
  const json_case& c = GetParam();
  std::mt19937 random(static_cast<unsigned>(c.type) + 31);
  for (const auto& l :
       lattice_test::generated_lattices(c.type, 3, 40 + static_cast<unsigned>(c.type))) {
    const cell noisy = lattice_test::perturbed(l.conventional, 1e-4, 0.01, random);
    for (bool primitive : {false, true}) {
      const cell input =
          primitive
              ? lattice_test::cell_with_axes(
                    noisy, lattice_test::product(lattice_test::fractions_of(
                                                     lattice_test::random_unimodular(random, 2)),
                                                 lattice_test::primitive_rows(l.centring_type)))
              : noisy;
      const centring given = primitive ? centring::P : l.centring_type;
      SCOPED_TRACE(lattice_test::describe(input) + " " + std::string(centring_name(given)));
      const analysis a = analyse(input, {given, 2.5, 3});
      const basis_verdict v = judge_basis(input, {given, 2.5, 1}, c.basis);
      const std::string text = analysis_json(a, &v);
      const json_document doc(text);
      ASSERT_TRUE(doc.valid()) << doc.error();
      const sajson::value root = doc.root();

      const sajson::value in = field(root, "input");
      expect_cell(field(in, "cell"), a.input, "input cell");
      expect_number(field(in, "volume"), a.input_volume, "input volume");
      EXPECT_EQ(field(in, "centring").as_string(), centring_name(given));
      const sajson::value reduced = field(root, "reduced");
      expect_cell(field(reduced, "cell"), a.reduced, "reduced cell");
      expect_matrix(field(reduced, "matrix"), lattice_test::fractions_of(a.reduced_matrix),
                    "reduced matrix");
      expect_number(field(root, "delta_limit"), 2.5, "delta limit");

      const sajson::value entries = field(root, "lattices");
      ASSERT_EQ(entries.get_length(), a.lattices.size());
      for (size_t i = 0; i < a.lattices.size(); ++i) {
        const lattice_entry& e = a.lattices[i];
        const sajson::value j = entries.get_array_element(i);
        const std::string what =
            "entry " + std::to_string(i) + " (" + std::string(bravais_name(e.bravais)) + ") ";
        EXPECT_EQ(field(j, "index").get_integer_value(), e.index) << what;
        EXPECT_EQ(field(j, "bravais").as_string(), bravais_name(e.bravais)) << what;
        EXPECT_EQ(field(j, "centring").as_string(), centring_name(e.cell_centring)) << what;
        expect_number(field(j, "delta"), e.delta, what + "delta");
        expect_cell(field(j, "cell"), e.conventional, what + "cell");
        expect_cell(field(j, "ideal_cell"), e.ideal, what + "ideal cell");
        expect_number(field(j, "length_deviation"), e.length_deviation, what + "length deviation");
        expect_number(field(j, "angle_deviation"), e.angle_deviation, what + "angle deviation");
        expect_number(field(j, "volume_ratio"), e.volume_ratio, what + "V/Vo");
        const fraction_matrix m = lattice_test::fractions_of(e.matrix);
        expect_matrix(field(j, "matrix"), m, what + "matrix");
        // The inverse and the determinant computed here, exactly, from the matrix.
        expect_matrix(field(j, "inverse"), lattice_test::inverse_of(m), what + "inverse");
        const auto [num, den] = lattice_test::determinant_of(m);
        expect_number(field(j, "determinant"), static_cast<double>(num) / static_cast<double>(den),
                      what + "determinant");
        expect_relation(field(j, "relation"), e.relation, what + "relation");
        if (e.rhombohedral) {
          expect_cell(field(j, "rhombohedral_cell"), *e.rhombohedral, what + "rhombohedral cell");
          expect_cell(field(j, "ideal_rhombohedral_cell"), *e.rhombohedral_ideal,
                      what + "ideal rhombohedral cell");
        }
      }

      const sajson::value basis = field(root, "basis");
      expect_cell(field(basis, "cell"), v.spanned, "basis cell");
      expect_number(field(basis, "volume_ratio"), v.volume_ratio, "basis V/Vo");
      expect_number(field(basis, "delta"), v.delta, "basis delta");
      EXPECT_EQ(field(basis, "bravais").as_string(), bravais_name(v.bravais));
      expect_relation(basis, v.relation, "basis");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    NoisyLattices, AnalysisJson,
    testing::Values(json_case{"aP", bravais_type::aP, {1, 1, 0, 0, 1, 0, 0, 0, 2}},
                    json_case{"mC", bravais_type::mC, {1, 0, 0, 0, 2, 0, 0, 0, 1}},
                    json_case{"oI", bravais_type::oI, {1, 0, 0, 0, 1, 0, 0, 0, 1}},
                    json_case{"tP", bravais_type::tP, {1, 1, 0, -1, 1, 0, 0, 0, 1}},
                    json_case{"hR", bravais_type::hR, {1, 0, 0, 0, 1, 0, 0, 0, 3}},
                    json_case{"hP", bravais_type::hP, {1, -1, 0, 1, 2, 0, 0, 0, 1}},
                    json_case{"cF", bravais_type::cF, {1, 0, 0, 0, 1, 0, 0, 0, 1}}),
    [](const testing::TestParamInfo<json_case>& tested) { return std::string(tested.param.name); });

// A lattice in several settings, read as primitive cells: its centred conventional cell, a
// doubled cell and another setting, whose matrices hold halves and thirds.
TEST(ComparisonJson, EveryNumberReadsBackAsTheValueItWasWrittenFrom) {
  std::mt19937 random(12);
  std::vector<numbered_cell> cells;
  const bravais_type types[] = {bravais_type::oC, bravais_type::hR, bravais_type::mP,
                                bravais_type::cI};
  for (bravais_type t : types) {
    const auto l = lattice_test::generated_lattices(t, 1, 60 + static_cast<unsigned>(t)).front();
    const cell noisy = lattice_test::perturbed(l.conventional, 1e-4, 0.01, random);
    const fraction_matrix primitive = lattice_test::primitive_rows(l.centring_type);
    const fraction_matrix doubled = lattice_test::fractions_of(imat3{1, 0, 0, 0, 1, 0, 0, 0, 2});
    for (const fraction_matrix& rows :
         {primitive, lattice_test::fractions_of(identity3<imat3>()), doubled,
          lattice_test::product(
              lattice_test::fractions_of(lattice_test::random_unimodular(random, 2)), primitive)})
      cells.push_back(
          {static_cast<int>(cells.size()) + 1, lattice_test::cell_with_axes(noisy, rows)});
  }
  cells.push_back({static_cast<int>(cells.size()) + 1, {4, 5, 6, 10, 10, 150}});  // no volume
  const solution_comparison c = compare_solutions(cells, {});
  const std::string text = comparison_json(c);
  const json_document doc(text);
  ASSERT_TRUE(doc.valid()) << doc.error();
  const sajson::value root = doc.root();

  const sajson::value solutions = field(root, "solutions");
  ASSERT_EQ(solutions.get_length(), c.solutions.size());
  for (size_t i = 0; i < c.solutions.size(); ++i) {
    const solution_type& s = c.solutions[i];
    const sajson::value j = solutions.get_array_element(i);
    const std::string what = "solution " + std::to_string(s.number) + " ";
    EXPECT_EQ(field(j, "number").get_integer_value(), s.number);
    expect_cell(field(j, "cell"), s.input, what + "cell");
    expect_number(field(j, "delta"), s.delta, what + "delta");
    EXPECT_EQ(field(j, "bravais").as_string(), bravais_name(s.bravais)) << what;
  }
  const sajson::value groups = field(root, "groups");
  ASSERT_EQ(groups.get_length(), c.groups.size());
  int fractional = 0;
  for (size_t g = 0; g < c.groups.size(); ++g) {
    const sajson::value jg = groups.get_array_element(g);
    EXPECT_EQ(field(jg, "head").get_integer_value(), c.groups[g].head);
    const sajson::value members = field(jg, "members");
    ASSERT_EQ(members.get_length(), c.groups[g].members.size());
    for (size_t k = 0; k < c.groups[g].members.size(); ++k) {
      const lattice::group_member& m = c.groups[g].members[k];
      const sajson::value jm = members.get_array_element(k);
      const std::string what = "member " + std::to_string(m.number) + " ";
      EXPECT_EQ(field(jm, "number").get_integer_value(), m.number);
      expect_matrix(field(jm, "matrix"), lattice_test::fractions_of(m.matrix), what + "matrix");
      expect_relation(jm, m.relation, what);
      if (!m.matrix.is_integer()) ++fractional;
    }
  }
  // The matrices of centred and rhombohedral members hold fractions such as 1/3.
  EXPECT_GT(fractional, 0);
  EXPECT_EQ(field(root, "unusable").get_length(), 1u);
}

}  // namespace
