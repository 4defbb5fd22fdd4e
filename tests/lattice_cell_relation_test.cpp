// The one rule that tells a cell of the same lattice, read with a standard centring, from a
// superlattice cell: checked on cells whose lattice points are known by construction.
#include <gtest/gtest.h>

#include "lattice/cell_relation.hpp"
#include "lattice/reduction.hpp"

namespace lattice {
namespace {

// The conventional cell of a centring in its own primitive basis: the inverse of the primitive
// basis in the conventional axes (International Tables A, table 5.1.3.1), whole by definition.
imat3 conventional_rows(centring c) {
  const rational_matrix m = inverse(primitive_basis(c));
  EXPECT_TRUE(m.is_integer());
  imat3 rows;
  for (int i = 0; i < 9; ++i) rows[i] = static_cast<int>(m.num[i]);
  return rows;
}

TEST(CellRelation, EachCentredConventionalCellIsTheSameLatticeWithItsCentring) {
  for (centring c :
       {centring::A, centring::B, centring::C, centring::I, centring::F, centring::R}) {
    SCOPED_TRACE(centring_name(c));
    const imat3 rows = conventional_rows(c);
    const cell_relation read_primitive = relation_of(rows);
    EXPECT_EQ(read_primitive.kind, relation_kind::same_lattice);
    EXPECT_EQ(read_primitive.centred, c);
    EXPECT_FALSE(read_primitive.reverse);
    EXPECT_EQ(read_primitive.index, centring_multiplicity(c));
    EXPECT_EQ(read_primitive.verdict(),
              "same lattice, " + std::string(centring_name(c)) + "-centred cell");
    // Read with its own centring, the cell spans the lattice itself.
    const cell_relation read_centred = relation_of(rows, c);
    EXPECT_EQ(read_centred.kind, relation_kind::same_lattice);
    EXPECT_EQ(read_centred.index, 1);
    // The axes turned by 180° about c keep every centring but R's setting.
    const imat3 turned = multiply(imat3{-1, 0, 0, 0, -1, 0, 0, 0, 1}, rows);
    EXPECT_EQ(relation_of(turned).centred, c);
    EXPECT_EQ(relation_of(turned).reverse, c == centring::R);
  }
}

TEST(CellRelation, OtherMultipleCellsAreSuperlatticesOfTheirIndex) {
  const struct {
    imat3 rows;
    centring read_as;
    int index;
  } cases[] = {
      {{1, 0, 0, 0, 1, 0, 0, 0, 2}, centring::P, 2},   // (0,0,1/2): no centring
      {{1, 0, 0, 0, 1, 0, 0, 0, -2}, centring::P, 2},  // left-handed alike
      {{1, 0, 0, 0, 1, 0, 0, 0, 3}, centring::P, 3},   // three points, but not R's
      {{2, 0, 0, 0, 2, 0, 0, 0, 1}, centring::P, 4},   // four points, but not F's
      {{1, 0, 0, 0, 1, 0, 0, 0, 5}, centring::P, 5},   // beyond every centring
      {{2, 0, 0, 0, 2, 0, 0, 0, 2}, centring::F, 2},   // 2a,2b,2c of P read as F: 8 / 4 points
      {{2, 0, 0, 0, 2, 0, 0, 0, 2}, centring::I, 4},   // and as I: 8 / 2
      {{1, 1, 0, -1, 1, 0, 0, 0, 2}, centring::P, 4},  // C and (0,0,1/2) together
  };
  for (const auto& c : cases) {
    const cell_relation r = relation_of(c.rows, c.read_as);
    EXPECT_EQ(r.kind, relation_kind::superlattice) << c.index;
    EXPECT_EQ(r.index, c.index);
    EXPECT_EQ(r.verdict(), "superlattice \u00d7" + std::to_string(c.index));
  }
}

TEST(CellRelation, RefusesACentringWhosePointsAreNotLatticeVectorsAndCoplanarAxes) {
  EXPECT_THROW(relation_of(identity3<imat3>(), centring::C), lattice_error);
  EXPECT_THROW(relation_of({1, 0, 0, 0, 1, 0, 1, 1, 0}), lattice_error);
}

TEST(CellRelation, FinerLatticesAreSublatticesUnlessTheReferenceCellIsCentred) {
  // Axes (a/2, b, c) hold the a,b,c lattice with index 2: a = 2 a'.
  const cell_relation finer = finer_relation({2, 0, 0, 0, 1, 0, 0, 0, 1});
  EXPECT_EQ(finer.kind, relation_kind::sublattice);
  EXPECT_EQ(finer.verdict(), "sublattice \u00d72");
  const cell_relation centred = finer_relation(conventional_rows(centring::I));
  EXPECT_EQ(centred.kind, relation_kind::same_lattice);
  EXPECT_EQ(centred.centred, centring::I);
}

}  // namespace
}  // namespace lattice
