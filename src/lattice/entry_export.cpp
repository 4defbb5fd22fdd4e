// Text exports of analysis entries; numbers locale-free, as everywhere in the analysis.
#include "lattice/entry_export.hpp"

#include "lattice/metric.hpp"
#include "lattice/number_text.hpp"

namespace lattice {

namespace {

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return quoted + "\"";
}

std::string joined(const std::vector<std::string>& fields, const std::string& separator,
                   bool quote) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i)
    line += (i ? separator : "") + (quote ? csv_field(fields[i]) : fields[i]);
  return line;
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
  std::string out = joined(entry_column_names(), ",", true) + "\r\n";
  for (const lattice_entry& e : entries) out += joined(entry_columns(e), ",", true) + "\r\n";
  return out;
}

std::string entries_tsv(const std::vector<const lattice_entry*>& entries) {
  std::string out;
  for (const lattice_entry* e : entries) out += joined(entry_columns(*e), "\t", false) + "\n";
  return out;
}

std::string entry_cif(const lattice_entry& e, const cell& input) {
  const cell& c = e.conventional;
  const double volume = volume_of(metric_of(c));
  std::string out = "data_lattice\n";
  out += "# The conventional cell of the input cell's lattice; its axes in the input axes:\n";
  out += "# " + change_of_basis_text(e.matrix) + " (index " + std::to_string(e.index) + ", " +
         e.relation.verdict() + ")\n";
  out += "# Input cell: " + cell_text(input) + "\n";
  const char* names[] = {"_cell_length_a",    "_cell_length_b",   "_cell_length_c",
                         "_cell_angle_alpha", "_cell_angle_beta", "_cell_angle_gamma"};
  for (int k = 0; k < 6; ++k)
    out += std::string(names[k]) + " " + fixed(c.parameters()[k], k < 3 ? 5 : 4) + "\n";
  out += "_cell_volume " + fixed(volume, 3) + "\n";
  out += "_space_group.crystal_system " + std::string(system_name(system_of(e.bravais))) + "\n";
  out += "_space_group.bravais_type " + std::string(bravais_name(e.bravais)) + "\n";
  out += "_space_group.centring_type " + std::string(centring_name(e.cell_centring)) + "\n";
  out += "_space_group_transform_Pp_abc '" + change_of_basis_text(e.matrix) + "'\n";
  return out;
}

}  // namespace lattice
