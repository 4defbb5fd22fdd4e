// The report's lines read back by their layout, so that the JSON holds what the report shows.
#include "search_json.hpp"

#include "lattice/json_writer.hpp"
#include "main/found_cell_lattice.hpp"

namespace quarvel::cli {

namespace {

constexpr size_t kInitialLine = 2;     // after "Initial cell" and the heading
constexpr size_t kFirstFoundLine = 6;  // after the initial cell, a blank, the caption, the heading

void write_found(lattice::json_writer& w, const found_line_fields& f, const lattice::cell& start) {
  w.begin_object();
  if (f.number > 0) w.key("number").value(f.number);
  w.key("system").value(f.code);
  w.key("cell").numbers({f.cell.begin(), f.cell.end()});
  w.key("volume").value(f.volume);
  w.key("ratio").value(f.ratio);
  w.key("matrix").begin_array();
  for (int i = 0; i < 3; ++i)
    w.numbers({f.matrix[3 * i], f.matrix[3 * i + 1], f.matrix[3 * i + 2]});
  w.end_array();
  w.key("cross_reference");
  if (f.cross_reference > 0) {
    w.value(f.cross_reference);
  } else {
    w.null();
  }
  try {
    const found_cell_lattice e = explain_found_cell(f, start, lattice::kDefaultDeltaLimit);
    w.key("bravais").value(lattice::bravais_name(e.bravais));
    w.key("delta").value(e.delta);
    w.key("index").value(e.index);
    w.key("verdict").value(e.verdict());
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
      w.key("cell").numbers({i->cell.begin(), i->cell.end()});
      w.key("volume").value(i->volume);
      w.end_object();
    }
  }
  std::vector<std::string> endings;
  w.key("cells").begin_array();
  for (size_t k = kFirstFoundLine; k < s.report.size(); ++k) {
    if (std::optional<found_line_fields> f = read_found_line(s.report[k])) {
      write_found(w, *f, s.start);
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
