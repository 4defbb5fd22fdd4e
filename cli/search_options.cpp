// Argument parsing: every option checked, numbers left as text for the window's own checks.
#include "search_options.hpp"

#include <algorithm>
#include <sstream>

#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"

namespace quarvel::cli {

const char* const kUsage =
    R"(Usage: quarvel-search --cell A B C ALPHA BETA GAMMA [options]

Searches the lattice of the starting cell for multiple cells of higher symmetry and prints the
results report: the initial cell, then the found cells grouped by system.

  --cell A B C ALPHA BETA GAMMA   the starting cell: edges in angstroms, angles in degrees
  --ptol X          length tolerance in angstroms (default 0.005)
  --atol X          angle tolerance in degrees (default 0.3)
  --max-vector N    largest index of the lattice vectors tried (default 3)
  --max-ratio X     largest volume ratio V/Vo (default 10)
  --repeat          list identical cells again (default: drop duplicates)
  --systems LIST    target systems, comma-separated, from cubic, tetragonal, orthorhombic,
                    hexagonal, rhombohedral, monoclinic (default: all)
  --help            this text

A cell whose angles are all right but whose edges fit no pattern is started as orthorhombic.
Exit status: 0 results printed; 1 a condition refused or a target system that cannot be
searched from the starting cell; 2 bad arguments; 3 the list stopped at 500 cells.
)";

namespace {

int target_item(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name == "rhomboedral") name = "rhombohedral";
  static const char* const names[] = {"cubic", "tetragonal", "orthorhombic",
                                      "hexagonal", "rhombohedral", "monoclinic"};
  for (int i = 0; i < 6; ++i)
    if (name == names[i]) return i + 1;
  return 0;
}

bool is_number(std::string text) {
  mathhkl::repair_number(text);
  return mathhkl::parse_real(text).code == 0;
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
    } else if (arg == "--cell") {
      if (i + 6 >= arguments.size()) return fail("--cell needs six numbers: A B C ALPHA BETA GAMMA");
      std::array<std::string, 6> cell;
      for (auto& v : cell) {
        v = arguments[++i];
        if (!is_number(v)) return fail("--cell: '" + v + "' is not a number");
      }
      o.cell = cell;
    } else if (arg == "--ptol" || arg == "--atol" || arg == "--max-vector" || arg == "--max-ratio") {
      std::string& into = arg == "--ptol"         ? o.ptol
                          : arg == "--atol"       ? o.atol
                          : arg == "--max-vector" ? o.max_vector
                                                  : o.max_ratio;
      if (!value(into)) return fail(arg + " needs a value");
    } else if (arg == "--repeat") {
      o.repeat = true;
    } else if (arg == "--systems") {
      std::string list;
      if (!value(list)) return fail("--systems needs a list");
      std::stringstream names(list);
      for (std::string name; std::getline(names, name, ',');) {
        const int item = target_item(name);
        if (item == 0) return fail("--systems: unknown system '" + name + "'");
        if (std::find(o.systems.begin(), o.systems.end(), item) == o.systems.end())
          o.systems.push_back(item);
      }
      if (o.systems.empty()) return fail("--systems: the list is empty");
    } else {
      return fail("unknown argument '" + arg + "'");
    }
  }
  if (!o.help && !o.cell) return fail("no starting cell: give --cell A B C ALPHA BETA GAMMA");
  return out;
}

}  // namespace quarvel::cli
