// quarvel-lattice --batch: many cells, one a line, analysed on every core.
#pragma once

#include <iosfwd>
#include <string>

#include "lattice/analysis.hpp"

namespace quarvel::cli {

struct batch_outcome {
  std::string output;  // one JSON object a line, or the CSV with its header
  std::string errors;  // one message a bad line, with its line number
  int failed = 0;
};

// Lines: [P|A|B|C|I|F|R] a b c alpha beta gamma; blank lines and '#' comments are skipped. The
// line's own centring, when given, overrides `options.centring_type`.
batch_outcome run_batch(std::istream& in, const lattice::analysis_options& options, bool csv);

}  // namespace quarvel::cli
