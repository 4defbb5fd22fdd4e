// Batch analysis: the lines are read first, analysed in parallel, then printed in order.
#include "lattice_batch.hpp"

#include <algorithm>
#include <istream>
#include <sstream>
#include <thread>
#include <vector>

#include "lattice/number_text.hpp"
#include "lattice_output/analysis_output.hpp"

namespace quarvel::cli {

namespace {

struct batch_line {
  int number = 0;
  std::string text;
  std::string output;
  std::string error;
};

// Parses and analyses one line, leaving either its output or its error.
void analyse_line(batch_line& line, lattice::analysis_options options, bool csv) {
  std::istringstream words(line.text);
  std::vector<std::string> fields;
  for (std::string w; words >> w;) fields.push_back(w);
  std::size_t first = 0;
  if (fields.size() == 7) {
    if (!lattice::parse_centring(fields[0], options.centring_type)) {
      line.error = "'" + fields[0] + "' is not a centring (P, A, B, C, I, F or R)";
      return;
    }
    first = 1;
  } else if (fields.size() != 6) {
    line.error = "expected [centring] a b c alpha beta gamma, found " +
                 std::to_string(fields.size()) + " fields";
    return;
  }
  double p[6];
  for (int k = 0; k < 6; ++k) {
    std::optional<double> x = lattice::parse_number(fields[first + k]);
    if (!x) {
      line.error = "'" + fields[first + k] + "' is not a number";
      return;
    }
    p[k] = *x;
  }
  try {
    lattice::analysis a =
        lattice::analyse(lattice::cell{p[0], p[1], p[2], p[3], p[4], p[5]}, options);
    // The line number, as the CSV's first column, matches a result to its input when bad
    // lines were skipped.
    const lattice::json_additions number{
        {}, [&line](lattice::json_writer& w) { w.key("line").value(line.number); }};
    line.output =
        csv ? lattice::csv_row(line.number, a) : lattice::analysis_json(a, nullptr, number) + "\n";
  } catch (const lattice::lattice_error& e) {
    line.error = e.what();
  }
}

}  // namespace

batch_outcome run_batch(std::istream& in, const lattice::analysis_options& options, bool csv) {
  std::vector<batch_line> lines;
  int number = 0;
  for (std::string text; std::getline(in, text);) {
    ++number;
    text = text.substr(0, text.find('#'));
    if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
    lines.push_back({number, text, {}, {}});
  }
  unsigned workers = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
  std::vector<std::thread> pool;
  for (unsigned w = 0; w < workers; ++w)
    pool.emplace_back([&, w] {
      for (std::size_t i = w; i < lines.size(); i += workers) analyse_line(lines[i], options, csv);
    });
  for (std::thread& t : pool) t.join();
  batch_outcome out;
  if (csv) out.output = lattice::csv_header();
  for (const batch_line& line : lines) {
    out.output += line.output;
    if (!line.error.empty()) {
      out.errors += "line " + std::to_string(line.number) + ": " + line.error + "\n";
      ++out.failed;
    }
  }
  return out;
}

}  // namespace quarvel::cli
