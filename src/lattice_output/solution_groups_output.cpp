// A comparison of solutions as one JSON object and as a table for people.
#include "lattice_output/solution_groups_output.hpp"

#include "lattice/number_text.hpp"

namespace lattice {

namespace {

void write_member(json_writer& w, const group_member& m) {
  w.begin_object();
  w.key("number").value(m.number);
  w.relation(m.relation);
  w.key("head_centred").value(m.head_centred);
  w.key("matrix").matrix(m.matrix);
  w.key("change_of_basis").value(change_of_basis_text(m.matrix));
  w.end_object();
}

}  // namespace

std::string comparison_json(const solution_comparison& c, const json_additions& more) {
  json_writer w;
  w.begin_object();
  w.key("solutions").begin_array();
  for (std::size_t i = 0; i < c.solutions.size(); ++i) {
    const solution_type& s = c.solutions[i];
    w.begin_object();
    w.key("number").value(s.number);
    w.key("cell").cell(s.input);
    w.key("bravais").value(bravais_name(s.bravais));
    w.key("delta").value(s.delta);
    if (more.item) more.item(w, i);
    w.end_object();
  }
  w.end_array();
  w.key("groups").begin_array();
  for (const solution_group& g : c.groups) {
    w.begin_object();
    w.key("head").value(g.head);
    w.key("members").begin_array();
    for (const group_member& m : g.members) write_member(w, m);
    w.end_array();
    w.end_object();
  }
  w.end_array();
  w.key("unusable").begin_array();
  for (const unusable_solution& u : c.unusable) {
    w.begin_object();
    if (u.number > 0) w.key("number").value(u.number);
    if (u.line > 0) w.key("line").value(u.line);
    w.key("reason").value(u.reason);
    w.end_object();
  }
  w.end_array();
  if (more.top) more.top(w);
  w.end_object();
  return w.text();
}

std::string comparison_text(const solution_comparison& c) {
  std::string out =
      "Solution Type  Delta(deg)         a         b         c     alpha      beta     gamma\n";
  for (const solution_type& s : c.solutions)
    out += right_aligned(std::to_string(s.number), 8) +
           right_aligned(std::string(bravais_name(s.bravais)), 5) +
           right_aligned(fixed(s.delta, 4), 12) + cell_columns(s.input, 10, 10) + "\n";
  for (size_t i = 0; i < c.groups.size(); ++i) {
    const solution_group& g = c.groups[i];
    out += "\nGroup " + std::to_string(i + 1) + ": solution " + std::to_string(g.head) + "\n";
    for (const group_member& m : g.members)
      out += right_aligned(std::to_string(m.number), 8) + "  " + member_verdict(m) + ": " +
             change_of_basis_text(m.matrix) + "\n";
  }
  if (!c.unusable.empty()) out += "\nNot compared\n";
  for (const unusable_solution& u : c.unusable) {
    out += "  ";
    if (u.number > 0) out += "solution " + std::to_string(u.number) + " ";
    if (u.line > 0) out += "(line " + std::to_string(u.line) + ") ";
    out += u.reason + "\n";
  }
  return out;
}

}  // namespace lattice
