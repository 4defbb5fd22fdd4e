// quarvel-lattice: the lattice analysis of a cell, or of a file of cells.
#include <fstream>
#include <iostream>

#include "lattice_batch.hpp"
#include "lattice_lines.hpp"
#include "lattice_options.hpp"
#include "lattice_output/analysis_output.hpp"
#include "lattice_output/solution_groups_output.hpp"
#include "platform/error.hpp"
#include "summary_lattice/summary_comparison.hpp"

int main(int argc, char** argv) {
  using namespace quarvel::cli;
  const lattice_parse_outcome parsed =
      parse_lattice_arguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::cerr << "quarvel-lattice: " << parsed.error << "\n\n" << kLatticeUsage;
    return 2;
  }
  const lattice_command& c = parsed.command;
  if (c.help) {
    std::cout << kLatticeUsage;
    return 0;
  }
  if (c.version) {
    std::cout << "quarvel-lattice " QUARVEL_VERSION "\n";
    return 0;
  }
  if (!c.lines.file.empty()) return run_with_lines(c, std::cout, std::cerr);
  if (!c.sum_file.empty()) {
    try {
      const lattice::solution_comparison compared =
          quarvel::compare_usable_summary(c.sum_file, c.comparison());
      std::cout << (c.json ? lattice::comparison_json(compared) + "\n"
                           : lattice::comparison_text(compared));
    } catch (const quarvel::no_solutions_error& e) {
      std::cerr << "quarvel-lattice: " << e.what() << '\n';
      return 1;
    } catch (const platform::error& e) {
      std::cerr << "quarvel-lattice: " << c.sum_file << ": " << e.what() << '\n';
      return 4;
    }
    return 0;
  }
  if (!c.batch_file.empty()) {
    std::ifstream in(c.batch_file);
    if (!in) {
      std::cerr << "quarvel-lattice: cannot read '" << c.batch_file << "'\n";
      return 4;
    }
    batch_outcome out = run_batch(in, c.analysis, c.csv);
    std::cout << out.output;
    std::cerr << out.errors;
    return out.failed ? 1 : 0;
  }
  try {
    lattice::analysis a = lattice::analyse(*c.cell, c.analysis);
    std::optional<lattice::basis_verdict> verdict;
    if (c.basis) verdict = lattice::judge_basis(*c.cell, c.analysis, *c.basis);
    const lattice::basis_verdict* v = verdict ? &*verdict : nullptr;
    std::cout << (c.json ? lattice::analysis_json(a, v) + "\n" : lattice::analysis_text(a, v));
  } catch (const lattice::lattice_error& e) {
    std::cerr << "quarvel-lattice: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
