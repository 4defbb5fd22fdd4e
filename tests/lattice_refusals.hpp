// Every command line quarvel-lattice refuses, with its message and exit status: 2 for the
// arguments themselves, refused before any analysis; 1 for a cell or basis the analysis refuses;
// 4 for a file it cannot read. The README's bad-input table is taken from these rows.
#pragma once

#include <string>
#include <vector>

namespace quarvel::testing {

struct lattice_refusal {
  std::vector<std::string> arguments;
  std::string message;  // after "quarvel-lattice: " on standard error
  int status = 2;
};

const std::vector<lattice_refusal>& lattice_refusals();

}  // namespace quarvel::testing
