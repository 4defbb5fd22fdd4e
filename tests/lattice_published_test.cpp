// Reduced cells of published structures give the published Bravais type and conventional cell.
#include <gtest/gtest.h>

#include "lattice/analysis.hpp"
#include "lattice/metric.hpp"
#include "lattice_fixtures.hpp"

namespace {

using namespace lattice;

struct published {
  const char* name;
  cell reduced;  // the Niggli cell of the published one, as input
  bravais_type type;
  cell conventional;  // published (orthorhombic axes in the standard order a <= b <= c)
};

void PrintTo(const published& c, std::ostream* out) {
  *out << c.name;
}

// Sources of the published cells:
//   NaCl, alpha-Fe, CsCl: R. W. G. Wyckoff, Crystal Structures vol. 1 (1963);
//   rutile: Abrahams & Bernstein, J. Chem. Phys. 55 (1971) 3206;
//   anatase: Horn, Schwerdtfeger & Meagher, Z. Kristallogr. 136 (1972) 273;
//   alpha-quartz: Le Page & Donnay, Acta Cryst. B32 (1976) 2456;
//   calcite: Effenberger, Mereiter & Zemann, Z. Kristallogr. 156 (1981) 233;
//   corundum: Newnham & de Haan, Z. Kristallogr. 117 (1962) 235;
//   aragonite: de Villiers, Am. Mineral. 56 (1971) 758;
//   alpha-sulfur: Rettig & Trotter, Acta Cryst. C43 (1987) 2260;
//   alpha-uranium: Barrett, Mueller & Hitterman, Phys. Rev. 129 (1963) 625;
//   gypsum (C2/c): Cole & Lancucki, Acta Cryst. B30 (1974) 921;
//   paracetamol (P21/a): Haisa, Kashino, Kawai & Maeda, Acta Cryst. B32 (1976) 1283;
//   kyanite: Winter & Ghose, Am. Mineral. 64 (1979) 573.
const published kPublished[] = {
    {"NaCl",
     {3.988224, 3.988224, 3.988224, 60, 60, 60},
     bravais_type::cF,
     {5.6402, 5.6402, 5.6402, 90, 90, 90}},
    {"alpha_Fe",
     {2.482462, 2.482462, 2.482462, 109.471221, 109.471221, 109.471221},
     bravais_type::cI,
     {2.8665, 2.8665, 2.8665, 90, 90, 90}},
    {"CsCl",
     {4.123, 4.123, 4.123, 90, 90, 90},
     bravais_type::cP,
     {4.123, 4.123, 4.123, 90, 90, 90}},
    {"rutile",
     {2.9587, 4.5937, 4.5937, 90, 90, 90},
     bravais_type::tP,
     {4.5937, 4.5937, 2.9587, 90, 90, 90}},
    {"anatase",
     {3.7845, 3.7845, 5.458177, 110.284486, 110.284486, 90},
     bravais_type::tI,
     {3.7845, 3.7845, 9.5143, 90, 90, 90}},
    {"quartz",
     {4.9133, 4.9133, 5.4053, 90, 90, 120},
     bravais_type::hP,
     {4.9133, 4.9133, 5.4053, 90, 90, 120}},
    {"calcite",
     {4.9896, 4.9896, 6.375004, 66.962037, 66.962037, 60},
     bravais_type::hR,
     {4.9896, 4.9896, 17.0610, 90, 90, 120}},
    {"corundum",
     {4.7589, 4.7589, 5.128433, 62.356282, 62.356282, 60},
     bravais_type::hR,
     {4.7589, 4.7589, 12.991, 90, 90, 120}},
    {"aragonite",
     {4.9614, 5.7404, 7.9671, 90, 90, 90},
     bravais_type::oP,
     {4.9614, 5.7404, 7.9671, 90, 90, 90}},
    {"alpha_S",
     {8.292192, 8.292192, 13.314203, 104.357473, 104.357473, 101.753427},
     bravais_type::oF,
     {10.4646, 12.8660, 24.4860, 90, 90, 90}},
    {"alpha_U",
     {2.854, 3.263069, 4.955, 90, 90, 115.932907},
     bravais_type::oC,
     {2.854, 5.869, 4.955, 90, 90, 90}},
    {"gypsum",
     {5.677456, 6.284, 8.223878, 67.538769, 81.013514, 65.867880},
     bravais_type::mC,
     {6.284, 15.200, 6.523, 90, 127.41, 90}},
    {"paracetamol",
     {7.1, 9.4, 11.721581, 90, 97.116492, 90},
     bravais_type::mP,
     {12.93, 9.40, 7.10, 90, 115.9, 90}},
    {"kyanite",
     {5.5724, 7.1262, 7.852, 73.97, 89.99, 78.89},
     bravais_type::aP,
     {7.1262, 7.852, 5.5724, 89.99, 101.11, 106.03}},
};

class PublishedStructures : public testing::TestWithParam<published> {};

TEST_P(PublishedStructures, ReducedCellGivesThePublishedLattice) {
  const published& p = GetParam();
  analysis a = analyse(p.reduced, {});
  const lattice_entry& top = a.lattices.front();
  EXPECT_EQ(top.bravais, p.type);
  EXPECT_LT(top.delta, 1e-3);
  const double published_volume = volume_of(metric_of(p.conventional));
  EXPECT_NEAR(volume_of(metric_of(top.conventional)), published_volume, 2e-5 * published_volume);
  switch (system_of(p.type)) {
    case lattice_system::triclinic:
      break;  // the Niggli cell; the volume says it all
    case lattice_system::monoclinic:
      // The unique axis is the lattice's; of the settings, the one nearest 90° is taken.
      EXPECT_NEAR(top.conventional.b, p.conventional.b, 1e-4);
      EXPECT_LE(top.conventional.beta, p.conventional.beta + 1e-3);
      break;
    default:
      EXPECT_NEAR(top.conventional.a, p.conventional.a, 1e-4);
      EXPECT_NEAR(top.conventional.b, p.conventional.b, 1e-4);
      EXPECT_NEAR(top.conventional.c, p.conventional.c, 1e-4);
      EXPECT_NEAR(top.conventional.gamma, p.conventional.gamma, 1e-3);
  }
}

INSTANTIATE_TEST_SUITE_P(Cited, PublishedStructures, testing::ValuesIn(kPublished),
                         [](const testing::TestParamInfo<published>& tested) {
                           return std::string(tested.param.name);
                         });

}  // namespace
