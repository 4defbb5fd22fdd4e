// The CIF of an entry read back by gemmi's CIF 1.1 parser: its _cell_* items are the ideal cell
// (so that they agree with the crystal system beside them), the carried cell stays in a comment,
// and a superlattice entry is not called a cell of the input lattice.
#include <gtest/gtest.h>

#include <gemmi/cif.hpp>
#include <string>

#include "lattice/number_text.hpp"
#include "lattice_output/entry_export.hpp"

namespace {

using namespace lattice;
namespace cif = gemmi::cif;

const cif::Block& only_block(const cif::Document& d) {
  EXPECT_EQ(d.blocks.size(), 1u);
  return d.blocks.at(0);
}

double number_item(const cif::Block& b, const std::string& tag) {
  const cif::Pair* p = b.find_pair(tag);
  EXPECT_NE(p, nullptr) << tag;
  return p ? std::stod(p->at(1)) : 0;
}

std::string text_item(const cif::Block& b, const std::string& tag) {
  const cif::Pair* p = b.find_pair(tag);
  EXPECT_NE(p, nullptr) << tag;
  return p ? cif::as_string(p->at(1)) : "";
}

// CIF 1.1 text: printable ASCII, tabs and line ends only.
bool cif_characters(const std::string& text) {
  for (unsigned char ch : text)
    if (!(ch == '\n' || ch == '\t' || (ch >= 32 && ch < 127))) return false;
  return true;
}

struct cif_case {
  const char* name;
  cell input;
  int max_index;
};

TEST(LatticeCif, EveryEntryReadsBackWithItsIdealCellAndItsCentring) {
  const cif_case cases[] = {
      {"orthorhombic_with_gamma_off_by_1.165", {5, 6, 7, 90, 90, 91.165}, 1},
      {"orthorhombic_with_hexagonal_superlattice", {4, 6.928, 5, 90, 90, 90}, 2},
      {"cubic_F_on_its_primitive_cell", {3.5355, 3.5355, 3.5355, 60, 60, 60}, 2},
      {"triclinic", {5.1, 6.2, 7.3, 81, 95, 103}, 1},
  };
  for (const cif_case& c : cases) {
    analysis_options options;
    options.max_index = c.max_index;
    const analysis a = analyse(c.input, options);
    for (const lattice_entry& e : a.lattices) {
      SCOPED_TRACE(std::string(c.name) + " " + type_label(e) + " index " + std::to_string(e.index));
      const std::string text = entry_cif(e, c.input);
      EXPECT_TRUE(cif_characters(text)) << text;
      cif::Document d;
      ASSERT_NO_THROW(d = cif::read_string(text)) << text;
      EXPECT_NO_THROW(cif::check_for_duplicates(d));
      const cif::Block& b = only_block(d);
      const char* tags[] = {"_cell_length_a",    "_cell_length_b",   "_cell_length_c",
                            "_cell_angle_alpha", "_cell_angle_beta", "_cell_angle_gamma"};
      for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(number_item(b, tags[k]), e.ideal.parameters()[k], k < 3 ? 1e-5 : 1e-4)
            << tags[k];
      EXPECT_EQ(text_item(b, "_space_group.crystal_system"), system_name(system_of(e.bravais)));
      EXPECT_EQ(text_item(b, "_space_group.bravais_type"), bravais_name(e.bravais));
      EXPECT_EQ(text_item(b, "_space_group.centring_type"), centring_name(e.cell_centring));
      EXPECT_EQ(text_item(b, "_space_group_transform_Pp_abc"), change_of_basis_text(e.matrix));
      EXPECT_NE(text.find("# Carried from the input cell: " + cell_text(e.conventional)),
                std::string::npos)
          << text;
      const bool superlattice = e.relation.kind == relation_kind::superlattice;
      EXPECT_EQ(text.find("cell of the input cell's lattice") == std::string::npos, superlattice)
          << text;
    }
  }
}

// The case that showed the fault: an orthorhombic entry with γ = 91.165 carried.
TEST(LatticeCif, AnOrthorhombicEntryWritesRightAnglesAndKeepsTheCarriedGammaInAComment) {
  const analysis a = analyse({5, 6, 7, 90, 90, 91.165}, {});
  ASSERT_EQ(a.lattices.front().bravais, bravais_type::oP);
  const std::string text = entry_cif(a.lattices.front(), a.input);
  const cif::Document document = cif::read_string(text);
  const cif::Block& b = only_block(document);
  EXPECT_EQ(b.find_pair("_cell_angle_gamma")->at(1), "90.0000");
  EXPECT_NE(text.find("91.165"), std::string::npos) << text;
  EXPECT_NE(text.find("# Deviations from the constrained cell: "), std::string::npos) << text;
}

}  // namespace
