// quarvel-search's argument parsing on any argument list: the bytes split at NUL into
// arguments. Accepted options are ones the window's own rules take; a typed cell is then searched
// as the command would search it, within one cell's reach and without touching files.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"
#include "search_options.hpp"
#include "search_session.hpp"

namespace {

bool is_typed_number(std::string text) {
  mathhkl::repair_number(text);
  return mathhkl::parse_real(text).code == 0;
}

// What the parser accepts, the window's own rules take: a typed cell as its fields would, and
// only systems its target list has.
void check_accepted(const quarvel::cli::search_options& o) {
  if (o.cell) {
    for (const auto& v : *o.cell) fuzz_require(is_typed_number(v), "a typed cell of numbers");
  }
  for (const mathhkl::crystal_system s : o.systems)
    fuzz_require(mathhkl::system_set::searchable().contains(s), "only searchable systems");
}

// The search of a typed cell: vectors of index 1 at most, so that every input stays quick.
void check_search(quarvel::cli::search_options o) {
  try {
    if (mathhkl::parse_integer(o.max_vector) > 1) o.max_vector = "1";
  } catch (const platform::error&) {
    // Not an integer: the Run handler's own message.
  }
  o.save_cell.clear();
  const quarvel::cli::session_result r = quarvel::cli::run_search(o);
  fuzz_require(r.exit_status == 0 || r.exit_status == 1, "results, or a refusal");
  fuzz_require((r.exit_status == 0) == r.messages.empty(), "a refusal says why");
  fuzz_require(r.exit_status != 0 || !r.report.empty(), "results are printed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::string> arguments = fuzz_arguments(data, size);
  const quarvel::cli::parse_outcome out = quarvel::cli::parse_arguments(arguments);
  if (!out.error.empty() || out.options.help || out.options.version) return 0;
  check_accepted(out.options);
  if (out.options.cell) check_search(out.options);
  return 0;
}
