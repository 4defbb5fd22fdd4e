// Text exports of analysis entries; numbers locale-free, as everywhere in the analysis.
#include "lattice_output/entry_export.hpp"

#include <algorithm>

#include "lattice/metric.hpp"
#include "lattice/number_text.hpp"
#include "lattice_output/csv_text.hpp"

namespace lattice {

namespace {

std::string tab_separated(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
  return line + "\n";
}

// The columns whose text is several numbers, by position in entry_columns, with a name for each.
struct split_column {
  size_t column;
  std::vector<std::string> names;
};

const std::vector<split_column>& split_columns() {
  static const std::vector<split_column> columns{
      {4, {"a (A)", "b (A)", "c (A)", "alpha (deg)", "beta (deg)", "gamma (deg)"}},
      {5,
       {"Ideal a (A)", "Ideal b (A)", "Ideal c (A)", "Ideal alpha (deg)", "Ideal beta (deg)",
        "Ideal gamma (deg)"}},
      {6, {"Length deviation (A)", "Angle deviation (deg)"}},
  };
  return columns;
}

const split_column* split_of(size_t column) {
  for (const split_column& s : split_columns())
    if (s.column == column) return &s;
  return nullptr;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t blank = std::min(text.find(' ', start), text.size());
    out.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  return out;
}

}  // namespace

std::vector<std::string> entry_column_names() {
  return {"Index",
          "Bravais",
          "System",
          "Delta (deg)",
          "Cell",
          "Ideal cell",
          "Deviations (A, deg)",
          "V/Vo",
          "Change of basis",
          "Verdict"};
}

std::vector<std::string> entry_columns(const lattice_entry& e) {
  return {std::to_string(e.index),
          type_label(e),
          std::string(system_name(system_of(e.bravais))),
          fixed(e.delta, 4),
          cell_text(e.conventional),
          cell_text(e.ideal),
          fixed(e.length_deviation, 4) + " " + fixed(e.angle_deviation, 3),
          fixed(e.volume_ratio, 3),
          change_of_basis_text(e.matrix),
          e.relation.verdict()};
}

std::string entries_csv(const std::vector<lattice_entry>& entries) {
  std::string out = csv_line(entry_column_names(), "\r\n");
  for (const lattice_entry& e : entries) out += csv_line(entry_columns(e), "\r\n");
  return out;
}

namespace {

std::vector<std::string> entry_value_names() {
  std::vector<std::string> out;
  const std::vector<std::string> names = entry_column_names();
  for (size_t k = 0; k < names.size(); ++k) {
    const split_column* split = split_of(k);
    if (split == nullptr)
      out.push_back(names[k]);
    else
      out.insert(out.end(), split->names.begin(), split->names.end());
  }
  return out;
}

std::vector<std::string> entry_values(const lattice_entry& e) {
  std::vector<std::string> out;
  const std::vector<std::string> columns = entry_columns(e);
  for (size_t k = 0; k < columns.size(); ++k) {
    if (split_of(k) == nullptr) {
      out.push_back(columns[k]);
    } else {
      // The same text as the table's, cut at its blanks: the numbers cannot differ.
      const std::vector<std::string> parts = words(columns[k]);
      out.insert(out.end(), parts.begin(), parts.end());
    }
  }
  return out;
}

}  // namespace

std::string entries_tsv(const std::vector<const lattice_entry*>& entries) {
  std::string out = tab_separated(entry_value_names());
  for (const lattice_entry* e : entries) out += tab_separated(entry_values(*e));
  return out;
}

std::string entry_cif(const lattice_entry& e, const cell& input) {
  std::string out = "data_lattice\n";
  // CIF 1.1 allows ASCII only, so "superlattice ×2" is written with an x.
  const std::string verdict = e.relation.verdict("x");
  if (e.relation.kind == relation_kind::superlattice)
    out +=
        "# The conventional cell of a superlattice of the input cell's lattice (its symmetry\n"
        "# needs superstructure reflections), symmetry-constrained; its axes in the input "
        "axes:\n";
  else
    out +=
        "# The conventional cell of the input cell's lattice, symmetry-constrained; its axes in "
        "the\n# input axes:\n";
  out += "# " + change_of_basis_text(e.matrix) + " (index " + std::to_string(e.index) + ", " +
         verdict + ")\n";
  out += "# Carried from the input cell: " + cell_text(e.conventional) + "\n";
  out += "# Deviations from the constrained cell: " + fixed(e.length_deviation, 4) + " A, " +
         fixed(e.angle_deviation, 3) + " deg\n";
  out += "# Input cell: " + cell_text(input) + "\n";
  // The _cell_* items and the crystal system must agree, so the cell written is the ideal one.
  const cell& c = e.ideal;
  const char* names[] = {"_cell_length_a",    "_cell_length_b",   "_cell_length_c",
                         "_cell_angle_alpha", "_cell_angle_beta", "_cell_angle_gamma"};
  for (int k = 0; k < 6; ++k)
    out += std::string(names[k]) + " " + fixed(c.parameters()[k], k < 3 ? 5 : 4) + "\n";
  out += "_cell_volume " + fixed(volume_of(metric_of(c)), 3) + "\n";
  out += "_space_group.crystal_system " + std::string(system_name(system_of(e.bravais))) + "\n";
  out += "_space_group.bravais_type " + std::string(bravais_name(e.bravais)) + "\n";
  out += "_space_group.centring_type " + std::string(centring_name(e.cell_centring)) + "\n";
  out += "_space_group_transform_Pp_abc '" + change_of_basis_text(e.matrix) + "'\n";
  return out;
}

}  // namespace lattice
