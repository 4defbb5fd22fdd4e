// Argument parsing: every option checked, numbers left as text for the window's own checks.
#include "search_options.hpp"

#include <algorithm>
#include <sstream>

#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"
#include "platform/error.hpp"

namespace quarvel::cli {

const char* const kUsage =
    R"(Usage: quarvel-search --cell A B C ALPHA BETA GAMMA [options]
       quarvel-search --cry FILE [options]
       quarvel-search --sum FILE (--solution K | --all-solutions) [options]

Searches the lattice of the starting cell for multiple cells of higher symmetry and prints the
results report: the initial cell, then the found cells grouped by system.

The starting cell, one of:
  --cell A B C ALPHA BETA GAMMA   typed in: edges in angstroms, angles in degrees
  --cry FILE        read from a Lanfit cell file
  --sum FILE --solution K
                    solution K of a Crysfire summary file, numbered as in its list
  --sum FILE --all-solutions
                    every solution of the summary in turn: one report after another, each
                    headed by the solution's list line

Options:
  --ptol X          length tolerance in angstroms (default 0.005)
  --atol X          angle tolerance in degrees (default 0.3)
  --max-vector N    largest index of the lattice vectors tried (default 3)
  --max-ratio X     largest volume ratio V/Vo (default 10)
  --repeat          list identical cells again (default: drop duplicates)
  --systems LIST    target systems, comma-separated, from cubic, tetragonal, orthorhombic,
                    hexagonal, rhombohedral, monoclinic (default: all)
  --sum-ptol X      with --sum: length tolerance in angstroms by which found cells are matched
                    with the summary's solutions (default 0.01)
  --sum-atol X      with --sum: angle tolerance in degrees of that matching (default 0.5)
  --save-cell FILE  save the starting cell as a Lanfit cell file after the search; ".cry" is
                    appended unless the name contains it
  --json            print the results as one JSON object instead of the report: every cell's
                    report fields, its Bravais type, obliquity delta, verdict (same lattice,
                    centred cell of it, or superlattice) and change of basis
  --help            this text
  --version         the program's version

A cell whose angles are all right but whose edges fit no pattern is started as orthorhombic.
A found cell that matches a solution of the last summary read shows that solution's number
before its own. --sum writes its working files dummy.tmp and sumfil.tmp in the current folder.
Exit status: 0 results printed; 1 a condition refused, a search that failed, a target system
that cannot be searched from the starting cell, or no such solution; 2 bad arguments; 3 the
list stopped at 500 cells; 4 a file could not be read or written. When several apply, the
highest is returned.
)";

namespace {

std::optional<mathhkl::crystal_system> target_system(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name == "rhomboedral") name = "rhombohedral";
  static const char* const names[] = {"cubic",     "tetragonal",   "orthorhombic",
                                      "hexagonal", "rhombohedral", "monoclinic"};
  for (size_t i = 0; i < mathhkl::kSearchableSystems.size(); ++i)
    if (name == names[i]) return mathhkl::kSearchableSystems[i];
  return std::nullopt;
}

bool is_number(std::string text) {
  mathhkl::repair_number(text);
  return mathhkl::parse_real(text).code == 0;
}

// A solution number: a whole number from 1; 0 for anything else.
int solution_number(const std::string& text) {
  try {
    return std::max(mathhkl::parse_integer(text), 0);
  } catch (const platform::error&) {
    return 0;
  }
}

// The combinations that name one starting cell and use only what applies to it.
std::string combination_error(const search_options& o) {
  const int sources =
      (o.cell ? 1 : 0) + (o.cry_file.empty() ? 0 : 1) + (o.sum_file.empty() ? 0 : 1);
  if (sources == 0) return "no starting cell: give --cell A B C ALPHA BETA GAMMA";
  if (sources > 1) return "give one starting cell: --cell, --cry or --sum";
  const bool picks_solution = o.solution > 0 || o.all_solutions;
  if (o.sum_file.empty()) {
    if (picks_solution) return "--solution and --all-solutions need --sum FILE";
    if (o.sum_ptol || o.sum_atol) return "--sum-ptol and --sum-atol need --sum FILE";
    return "";
  }
  if (!picks_solution) return "--sum needs --solution K or --all-solutions";
  if (o.solution > 0 && o.all_solutions) return "give --solution K or --all-solutions, not both";
  if (o.all_solutions && !o.save_cell.empty())
    return "--save-cell needs one solution, not --all-solutions";
  return "";
}

}  // namespace

parse_outcome parse_arguments(const std::vector<std::string>& arguments) {
  parse_outcome out;
  auto& o = out.options;
  auto fail = [&](std::string message) {
    out.error = std::move(message);
    return out;
  };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg == "--cell") {
      if (i + 6 >= arguments.size())
        return fail("--cell needs six numbers: A B C ALPHA BETA GAMMA");
      std::array<std::string, 6> cell;
      for (auto& v : cell) {
        v = arguments[++i];
        if (!is_number(v)) return fail("--cell: '" + v + "' is not a number");
      }
      o.cell = cell;
    } else if (arg == "--ptol" || arg == "--atol" || arg == "--max-vector" ||
               arg == "--max-ratio") {
      std::string& into = arg == "--ptol"         ? o.ptol
                          : arg == "--atol"       ? o.atol
                          : arg == "--max-vector" ? o.max_vector
                                                  : o.max_ratio;
      if (!value(into)) return fail(arg + " needs a value");
    } else if (arg == "--cry" || arg == "--sum" || arg == "--save-cell") {
      std::string& into = arg == "--cry" ? o.cry_file : arg == "--sum" ? o.sum_file : o.save_cell;
      if (!value(into) || into.empty()) return fail(arg + " needs a file name");
    } else if (arg == "--sum-ptol" || arg == "--sum-atol") {
      std::optional<std::string>& into = arg == "--sum-ptol" ? o.sum_ptol : o.sum_atol;
      if (!value(into.emplace())) return fail(arg + " needs a value");
    } else if (arg == "--solution") {
      std::string k;
      if (!value(k)) return fail("--solution needs a number");
      o.solution = solution_number(k);
      if (o.solution == 0) return fail("--solution: '" + k + "' is not a solution number");
    } else if (arg == "--all-solutions") {
      o.all_solutions = true;
    } else if (arg == "--json") {
      o.json = true;
    } else if (arg == "--repeat") {
      o.repeat = true;
    } else if (arg == "--systems") {
      std::string list;
      if (!value(list)) return fail("--systems needs a list");
      std::stringstream names(list);
      for (std::string name; std::getline(names, name, ',');) {
        const auto system = target_system(name);
        if (!system) return fail("--systems: unknown system '" + name + "'");
        if (std::find(o.systems.begin(), o.systems.end(), *system) == o.systems.end())
          o.systems.push_back(*system);
      }
      if (o.systems.empty()) return fail("--systems: the list is empty");
    } else {
      return fail("unknown argument '" + arg + "'");
    }
  }
  if (o.help || o.version) return out;
  if (std::string error = combination_error(o); !error.empty()) return fail(std::move(error));
  return out;
}

}  // namespace quarvel::cli
