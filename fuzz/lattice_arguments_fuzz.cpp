// quarvel-lattice's argument parsing on any argument list: the bytes split at NUL into
// arguments. Accepted options are ones the analysis takes; a given cell is then analysed
// (largest index 2 at most, so that every input stays quick) and a given basis judged, and
// whatever is printed keeps the promises of the output.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "json_check.hpp"
#include "lattice/metric_subgroups.hpp"
#include "lattice_options.hpp"
#include "lattice_output/analysis_output.hpp"

namespace {

// What the parser accepts, the analysis must take: only the cell may still be refused.
void check_accepted(const quarvel::cli::lattice_command& c) {
  try {
    lattice::analyse(lattice::cell{4, 5, 6, 90, 95, 90}, c.analysis);
  } catch (const lattice::lattice_error&) {
    fuzz_require(false, "accepted options that the analysis refuses");
  }
}

void check_analysis(const lattice::analysis& a) {
  fuzz_require(!a.lattices.empty() && a.lattices.front().index == 1,
               "the input lattice's own entries first");
  int triclinic = 0;
  for (std::size_t i = 0; i < a.lattices.size(); ++i) {
    const lattice::lattice_entry& e = a.lattices[i];
    fuzz_require(e.delta >= 0 && e.delta <= a.delta_limit, "every delta within the limit");
    fuzz_require(e.index > 1 || e.relation.kind == lattice::relation_kind::same_lattice,
                 "the input lattice's own cells are cells of the same lattice");
    if (e.index == 1 && e.bravais == lattice::bravais_type::aP) ++triclinic;
    if (i > 0) {
      const lattice::lattice_entry& p = a.lattices[i - 1];
      fuzz_require(p.index <= e.index, "entries by index");
      fuzz_require(p.index < e.index || lattice::symmetry_rank(p.bravais, p.delta) <=
                                            lattice::symmetry_rank(e.bravais, e.delta),
                   "entries of one index from the most symmetric down, then by delta");
    }
    const auto [num, den] = lattice::determinant(e.matrix);
    const double det = std::abs(static_cast<double>(num) / static_cast<double>(den));
    fuzz_require(std::abs(det - e.volume_ratio) <= 1e-6 * det, "V/Vo is the determinant");
  }
  fuzz_require(triclinic == 1, "the triclinic lattice listed once");
  const quarvel::testing::json_check json = quarvel::testing::check_json(lattice::analysis_json(a));
  fuzz_require(json.problem.empty(), "valid JSON");
  const std::vector<std::string> keys{"input", "reduced", "delta_limit", "lattices"};
  fuzz_require(json.top_level_keys == keys, "the documented keys");
  const std::string text = lattice::analysis_text(a);
  fuzz_require(!text.empty() && text.back() == '\n', "a table of whole lines");
}

// The verdict on a basis of a cell the analysis accepted: a sound relation and valid JSON, or a
// refusal with a message; the sanitizers report any overflow on the way.
void check_basis(const quarvel::cli::lattice_command& c, const lattice::analysis& a) {
  try {
    const lattice::basis_verdict v = lattice::judge_basis(*c.cell, c.analysis, *c.basis);
    fuzz_require(v.relation.index >= 1, "an index of at least 1");
    fuzz_require(v.relation.index > 1 || v.relation.kind == lattice::relation_kind::same_lattice,
                 "index 1 is the same lattice");
    const quarvel::testing::json_check json =
        quarvel::testing::check_json(lattice::analysis_json(a, &v));
    fuzz_require(json.problem.empty(), "valid JSON with a basis");
    fuzz_require(json.top_level_keys.back() == "basis", "the basis last");
  } catch (const lattice::lattice_error&) {
    // A singular basis, entries beyond ±100, or axes too long to carry: refused with a message.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::string> arguments = fuzz_arguments(data, size);
  const quarvel::cli::lattice_parse_outcome out = quarvel::cli::parse_lattice_arguments(arguments);
  if (!out.error.empty()) return 0;
  quarvel::cli::lattice_command c = out.command;
  if (c.help || c.version) return 0;
  check_accepted(c);
  if (!c.cell) return 0;
  c.analysis.max_index = std::min(c.analysis.max_index, 2);
  try {
    const lattice::analysis a = lattice::analyse(*c.cell, c.analysis);
    check_analysis(a);
    if (c.basis) check_basis(c, a);
  } catch (const lattice::lattice_error&) {
    // A cell without volume, or beyond the limits of its edges: refused with a message.
  }
  return 0;
}
