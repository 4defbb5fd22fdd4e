// The command line of quarvel-lattice, parsed without running the analysis.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lattice/analysis.hpp"
#include "lattice/solution_groups.hpp"
#include "lines_options.hpp"

namespace quarvel::cli {

struct lattice_command {
  std::optional<lattice::cell> cell;  // --cell a b c alpha beta gamma
  lattice::analysis_options analysis;
  std::optional<lattice::imat3> basis;     // --basis "u v w; u v w; u v w"
  std::string batch_file;                  // --batch FILE: one cell per line
  std::string sum_file;                    // --sum FILE: a summary's solutions compared
  std::optional<double> length_tolerance;  // --length-tol: relative, of that comparison
  lines_command lines;                     // --lines FILE and its options
  bool json = false;
  bool csv = false;
  bool help = false;
  bool version = false;

  // The options of the --sum comparison.
  lattice::comparison_options comparison() const;
};

struct lattice_parse_outcome {
  lattice_command command;
  std::string error;  // empty when the arguments are sound
};

lattice_parse_outcome parse_lattice_arguments(const std::vector<std::string>& arguments);

// "u v w; u v w; u v w": three rows of three integers.
std::optional<lattice::imat3> parse_basis(const std::string& text);

extern const char* const kLatticeUsage;

}  // namespace quarvel::cli
