// The line list, when there is one, read first, so that a bad list is refused before any
// analysis is printed.
#include "lattice_run.hpp"

#include <fstream>
#include <iterator>

#include "lattice_output/analysis_output.hpp"
#include "lattice_output/solution_groups_output.hpp"
#include "pattern/evidence_output.hpp"
#include "platform/error.hpp"
#include "summary_lattice/summary_comparison.hpp"

namespace quarvel::cli {

namespace {

// The evidence of each listed cell, and the list's own conditions, in the analysis's JSON.
lattice::json_additions additions(const std::vector<pattern::cell_evidence>& evidence,
                                  const std::vector<pattern::observed_line>& lines,
                                  const pattern::evidence_options& options) {
  return {
      [&evidence, &lines, &options](lattice::json_writer& w, std::size_t i) {
        pattern::write_evidence(w, evidence[i], lines, options.refine);
      },
      [&lines, &options](lattice::json_writer& w) { pattern::write_pattern(w, lines, options); }};
}

std::vector<double> deltas_of(const std::vector<pattern::evidence_row>& rows) {
  std::vector<double> deltas;
  for (const pattern::evidence_row& r : rows) deltas.push_back(r.delta);
  return deltas;
}

std::string cell_output(const lattice_command& c,
                        const std::vector<pattern::observed_line>* observed) {
  const lattice::analysis a = lattice::analyse(*c.cell, c.analysis);
  std::optional<lattice::basis_verdict> verdict;
  if (c.basis) verdict = lattice::judge_basis(*c.cell, c.analysis, *c.basis);
  const lattice::basis_verdict* v = verdict ? &*verdict : nullptr;
  if (!observed) return c.json ? lattice::analysis_json(a, v) + "\n" : lattice::analysis_text(a, v);
  const std::vector<pattern::observed_line>& lines = *observed;
  const pattern::evidence_options& options = c.lines.evidence;
  const std::vector<pattern::cell_evidence> evidence = pattern::weigh_analysis(a, lines, options);
  if (c.json) return lattice::analysis_json(a, v, additions(evidence, lines, options)) + "\n";
  std::vector<pattern::evidence_row> rows;
  for (std::size_t i = 0; i < a.lattices.size(); ++i) {
    const lattice::lattice_entry& e = a.lattices[i];
    rows.push_back({static_cast<int>(i + 1), e.index, lattice::type_label(e), e.delta,
                    e.relation.verdict(), &evidence[i]});
  }
  return lattice::analysis_text(a, v) +
         pattern::evidence_table(rows, pattern::ranked(evidence, deltas_of(rows), c.lines.sort),
                                 lines, options);
}

// Each solution's standing in its group: the head, or its relation to the head.
std::string standing(const lattice::solution_comparison& compared, int number) {
  for (const lattice::solution_group& g : compared.groups) {
    if (g.head == number) return "head of its group";
    for (const lattice::group_member& m : g.members)
      if (m.number == number) return lattice::member_verdict(m) + " of " + std::to_string(g.head);
  }
  return "";
}

std::string sum_output(const lattice_command& c,
                       const std::vector<pattern::observed_line>* observed) {
  const lattice::solution_comparison compared = compare_usable_summary(c.sum_file, c.comparison());
  if (!observed)
    return c.json ? lattice::comparison_json(compared) + "\n" : lattice::comparison_text(compared);
  const std::vector<pattern::observed_line>& lines = *observed;
  const pattern::evidence_options& options = c.lines.evidence;
  const std::vector<pattern::cell_evidence> evidence =
      pattern::weigh_solutions(compared, lines, options);
  if (c.json) return lattice::comparison_json(compared, additions(evidence, lines, options)) + "\n";
  std::vector<pattern::evidence_row> rows;
  for (std::size_t i = 0; i < compared.solutions.size(); ++i) {
    const lattice::solution_type& s = compared.solutions[i];
    rows.push_back({s.number, 0, std::string(lattice::bravais_name(s.bravais)), s.delta,
                    standing(compared, s.number), &evidence[i]});
  }
  return lattice::comparison_text(compared) +
         pattern::evidence_table(rows, pattern::ranked(evidence, deltas_of(rows), c.lines.sort),
                                 lines, options);
}

}  // namespace

int run_cell_or_sum(const lattice_command& c, std::ostream& out, std::ostream& err) {
  std::optional<std::vector<pattern::observed_line>> lines;
  if (!c.lines.file.empty()) {
    std::ifstream in(c.lines.file, std::ios::binary);
    if (!in) {
      err << "quarvel-lattice: cannot read '" << c.lines.file << "'\n";
      return 4;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
      lines =
          pattern::read_observed_lines(text, c.lines.unit, c.lines.evidence.indexing.wavelength);
    } catch (const pattern::pattern_error& e) {
      err << "quarvel-lattice: " << c.lines.file << ": " << e.what() << '\n';
      return 1;
    }
  }
  const std::vector<pattern::observed_line>* observed = lines ? &*lines : nullptr;
  try {
    out << (c.sum_file.empty() ? cell_output(c, observed) : sum_output(c, observed));
  } catch (const no_solutions_error& e) {
    err << "quarvel-lattice: " << e.what() << '\n';
    return 1;
  } catch (const platform::error& e) {
    err << "quarvel-lattice: " << c.sum_file << ": " << e.what() << '\n';
    return 4;
  } catch (const pattern::pattern_error& e) {
    err << "quarvel-lattice: " << c.lines.file << ": " << e.what() << '\n';
    return 1;
  } catch (const lattice::lattice_error& e) {
    err << "quarvel-lattice: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quarvel::cli
