// JSON of an analysis: cells as [a, b, c, alpha, beta, gamma], matrices as rows of numbers.
#include "lattice_output/analysis_output.hpp"
#include "lattice_output/json_writer.hpp"

namespace lattice {

namespace {

void write_entry(json_writer& w, const lattice_entry& e, std::size_t place,
                 const json_additions& more) {
  rational_matrix inv = inverse(e.matrix);
  auto [det_num, det_den] = determinant(e.matrix);
  w.begin_object();
  w.key("index").value(e.index);
  w.key("bravais").value(bravais_name(e.bravais));
  w.key("centring").value(centring_name(e.cell_centring));
  w.key("system").value(system_name(system_of(e.bravais)));
  w.key("delta").value(e.delta);
  w.key("cell").cell(e.conventional);
  w.key("ideal_cell").cell(e.ideal);
  w.key("length_deviation").value(e.length_deviation);
  w.key("angle_deviation").value(e.angle_deviation);
  w.key("volume_ratio").value(e.volume_ratio);
  w.key("matrix").matrix(e.matrix);
  w.key("change_of_basis").value(change_of_basis_text(e.matrix));
  w.key("inverse").matrix(inv);
  w.key("inverse_change_of_basis").value(change_of_basis_text(inv));
  w.key("determinant").value(static_cast<double>(det_num) / static_cast<double>(det_den));
  w.key("verdict").value(e.relation.kind_name());
  // In full: for a derivative lattice's cell the centring that makes it a cell of the input
  // lattice, if any, is not the cell's own.
  w.key("relation").begin_object().relation(e.relation).end_object();
  if (e.rhombohedral) {
    w.key("rhombohedral_cell").cell(*e.rhombohedral);
    w.key("ideal_rhombohedral_cell").cell(*e.rhombohedral_ideal);
  }
  if (more.item) more.item(w, place);
  w.end_object();
}

}  // namespace

std::string analysis_json(const analysis& a, const basis_verdict* basis,
                          const json_additions& more) {
  json_writer w;
  w.begin_object();
  w.key("input").begin_object();
  w.key("cell").cell(a.input);
  w.key("centring").value(centring_name(a.centring_type));
  w.key("volume").value(a.input_volume);
  w.end_object();
  w.key("reduced").begin_object();
  w.key("cell").cell(a.reduced);
  w.key("matrix").matrix(a.reduced_matrix);
  w.key("change_of_basis").value(change_of_basis_text(a.reduced_matrix));
  w.end_object();
  w.key("delta_limit").value(a.delta_limit);
  w.key("lattices").begin_array();
  for (std::size_t i = 0; i < a.lattices.size(); ++i) write_entry(w, a.lattices[i], i, more);
  w.end_array();
  if (basis) {
    w.key("basis").begin_object();
    w.key("cell").cell(basis->spanned);
    w.key("volume_ratio").value(basis->volume_ratio);
    w.key("bravais").value(bravais_name(basis->bravais));
    w.key("delta").value(basis->delta);
    w.relation(basis->relation);
    w.end_object();
  }
  if (more.top) more.top(w);
  w.end_object();
  return w.text();
}

}  // namespace lattice
