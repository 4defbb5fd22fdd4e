// The analysis as a table and as CSV rows.
#include <algorithm>

#include "lattice/hidden_subgroups.hpp"
#include "lattice/number_text.hpp"
#include "lattice_output/analysis_output.hpp"
#include "lattice_output/csv_text.hpp"

namespace lattice {

namespace {

// Lengths 10 wide, angles 9, under the table's headings.
std::string table_cell(const cell& c) {
  return cell_columns(c, 10, 9);
}

// A caption that puts the cell after it under the entry's cell: index, type, system and delta
// take 44 columns.
std::string under_cell(const std::string& caption) {
  std::string text = std::string(14, ' ') + caption;
  text.resize(44, ' ');
  return text;
}

}  // namespace

std::string analysis_text(const analysis& a, const basis_verdict* basis) {
  std::string out;
  out += "Input cell    " + table_cell(a.input) + "  " +
         std::string(centring_name(a.centring_type)) + "  V = " + fixed(a.input_volume, 3) + "\n";
  out += "Reduced cell  " + table_cell(a.reduced) + "  " + change_of_basis_text(a.reduced_matrix) +
         "\n";
  out += "Delta limit   " + fixed(a.delta_limit, 3) + " deg\n\n";
  // The change of basis column as wide as its longest entry, so that every verdict starts under
  // its heading.
  std::size_t change_width = 22;
  for (const lattice_entry& e : a.lattices)
    change_width = std::max(change_width, change_of_basis_text(e.matrix).size());
  out +=
      "Index  Type         System        Delta(deg)         a         b         c    alpha     beta"
      "    gamma    V/Vo  " +
      left_aligned("Change of basis", change_width) + " Verdict\n";
  for (const lattice_entry& e : a.lattices) {
    out += right_aligned(std::to_string(e.index), 5) + "  " + left_aligned(type_label(e), 11) +
           "  " + left_aligned(std::string(system_name(system_of(e.bravais))), 13) +
           right_aligned(fixed(e.delta, 4), 11) + table_cell(e.conventional) +
           right_aligned(fixed(e.volume_ratio, 3), 8) + "  " +
           left_aligned(change_of_basis_text(e.matrix), change_width) + " " + e.relation.verdict() +
           "\n";
    out += under_cell("ideal") + table_cell(e.ideal) + "\n";
    if (e.rhombohedral) out += under_cell("rhombohedral axes") + table_cell(*e.rhombohedral) + "\n";
  }
  // A near-symmetry just beyond the limit, or a subgroup kept out by its group's other two-folds,
  // is easy to miss when it is not in the list at all.
  const std::vector<hidden_subgroup> hidden = hidden_subgroups(a);
  if (!hidden.empty()) out += "\n";
  for (const hidden_subgroup& h : hidden)
    out += "Hint: " + type_label(h.entry) + " " + change_of_basis_text(h.entry.matrix) +
           " (its own delta " + fixed(h.entry.delta, 4) + " deg) is listed from delta " +
           fixed(h.listed_from, 4) + " deg\n";
  if (basis) {
    out += "\nBasis spans   " + table_cell(basis->spanned) +
           "  V/Vo = " + fixed(basis->volume_ratio, 3) + "\n";
    out += "              " + std::string(bravais_name(basis->bravais)) + ", delta " +
           fixed(basis->delta, 4) + " deg: " + basis->relation.verdict() + "\n";
  }
  return out;
}

std::string csv_header() {
  return csv_line({"line",
                   "input_a",
                   "input_b",
                   "input_c",
                   "input_alpha",
                   "input_beta",
                   "input_gamma",
                   "centring",
                   "bravais",
                   "cell_centring",
                   "system",
                   "delta",
                   "a",
                   "b",
                   "c",
                   "alpha",
                   "beta",
                   "gamma",
                   "volume_ratio",
                   "change_of_basis"},
                  "\n");
}

std::string csv_row(int line_number, const analysis& a) {
  const lattice_entry& top = a.lattices.front();
  std::vector<std::string> fields{std::to_string(line_number)};
  for (double x : a.input.parameters()) fields.push_back(compact(x));
  fields.insert(
      fields.end(),
      {std::string(centring_name(a.centring_type)), std::string(bravais_name(top.bravais)),
       std::string(centring_name(top.cell_centring)),
       std::string(system_name(system_of(top.bravais))), compact(top.delta)});
  for (double x : top.conventional.parameters()) fields.push_back(compact(x));
  fields.push_back(compact(top.volume_ratio));
  fields.push_back(change_of_basis_text(top.matrix));
  return csv_line(fields, "\n");
}

}  // namespace lattice
