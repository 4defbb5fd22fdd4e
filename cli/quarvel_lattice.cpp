// quarvel-lattice: the lattice analysis of a cell, or of a file of cells.
#include <fstream>
#include <iostream>

#include "lattice_batch.hpp"
#include "lattice_options.hpp"
#include "lattice_run.hpp"

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
  return run_cell_or_sum(c, std::cout, std::cerr);
}
