// The report's lines read back by their layout, so that the JSON holds what the report shows.
#include "search_json.hpp"

#include <cmath>

#include "lattice/metric.hpp"
#include "lattice_output/json_writer.hpp"
#include "main/found_cell_lattice.hpp"

namespace quarvel::cli {

namespace {

constexpr size_t kInitialLine = 2;     // after "Initial cell" and the heading
constexpr size_t kFirstFoundLine = 6;  // after the initial cell, a blank, the caption, the heading

// The found cell at full precision: the starting cell carried through the line's exact matrix
// (the line itself rounds the cell to three decimals).
void write_found_cell(lattice::json_writer& w, const found_line_fields& f,
                      const lattice::cell& start) {
  const lattice::rational_matrix m = found_cell_matrix(f);
  const auto [det_num, det_den] = lattice::determinant(m);
  const double ratio = std::abs(static_cast<double>(det_num) / static_cast<double>(det_den));
  const lattice::dmat3 g = lattice::metric_of(start);
  w.key("cell").cell(lattice::cell_of(lattice::transformed(g, m.to_real())));
  w.key("volume").value(ratio * lattice::volume_of(g));
  w.key("ratio").value(ratio);
  w.key("matrix").matrix(m);
}

void write_found(lattice::json_writer& w, const std::string& line, const found_line_fields& f,
                 const lattice::cell& start) {
  w.begin_object();
  if (f.number > 0) w.key("number").value(f.number);
  w.key("system").value(f.code);
  w.key("line").value(line);
  w.key("cross_reference");
  if (f.cross_reference > 0) {
    w.value(f.cross_reference);
  } else {
    w.null();
  }
  try {
    write_found_cell(w, f, start);
    const found_cell_lattice e = explain_found_cell(f, start, lattice::kDefaultDeltaLimit);
    w.key("bravais").value(lattice::bravais_name(e.bravais));
    w.key("delta").value(e.delta);
    w.relation(e.relation);
    // Axes that are fractions of the starting axes: the relation read the other way, the
    // starting cell in the found cell's lattice, so a centred cell is the starting one.
    w.key("starting_cell_centred")
        .value(!e.matrix.is_integer() && e.relation.centred != lattice::centring::P);
    w.key("change_of_basis").value(lattice::change_of_basis_text(e.matrix));
  } catch (const lattice::lattice_error& error) {
    w.key("lattice_error").value(error.what());
  }
  w.end_object();
}

void write_search(lattice::json_writer& w, const search_record& s) {
  w.begin_object();
  if (s.solution > 0) w.key("solution").value(s.solution);
  if (s.report.size() > kInitialLine) {
    if (std::optional<initial_line_fields> i = read_initial_line(s.report[kInitialLine])) {
      w.key("initial").begin_object();
      w.key("system").value(i->code);
      w.key("line").value(s.report[kInitialLine]);
      w.key("cell").cell(s.start);
      w.key("volume").value(i->volume);
      w.end_object();
    }
  }
  std::vector<std::string> endings;
  w.key("cells").begin_array();
  for (size_t k = kFirstFoundLine; k < s.report.size(); ++k) {
    if (std::optional<found_line_fields> f = read_found_line(s.report[k])) {
      write_found(w, s.report[k], *f, s.start);
    } else {
      endings.push_back(s.report[k]);
    }
  }
  w.end_array();
  w.key("endings").begin_array();
  for (const std::string& e : endings) w.value(e);
  w.end_array();
  w.end_object();
}

}  // namespace

std::string search_json(const std::vector<search_record>& searches,
                        const std::vector<std::string>& messages) {
  lattice::json_writer w;
  w.begin_object();
  w.key("searches").begin_array();
  for (const search_record& s : searches) write_search(w, s);
  w.end_array();
  w.key("messages").begin_array();
  for (const std::string& m : messages) w.value(m);
  w.end_array();
  w.end_object();
  return w.text();
}

}  // namespace quarvel::cli
