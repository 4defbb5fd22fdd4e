// Arguments of quarvel-lattice: every value checked here, so the analysis sees only numbers.
#include "lattice_options.hpp"

#include <sstream>

#include "lattice/number_text.hpp"

namespace quarvel::cli {

const char* const kLatticeUsage =
    "usage: quarvel-lattice --cell A B C ALPHA BETA GAMMA [options]\n"
    "       quarvel-lattice --batch FILE [--csv] [options]\n"
    "       quarvel-lattice --sum FILE [--json] [--delta DEG] [--length-tol X]\n"
    "       quarvel-lattice (--cell ... | --sum FILE) --lines FILE [--refine] [--sort KEY]\n"
    "\n"
    "The Bravais lattice of a cell, its metric subgroups with their obliquity delta (Le Page),\n"
    "and the derivative lattices whose symmetry only a superstructure can have. A subgroup is\n"
    "listed only when every two-fold of the lattice group it belongs to lies within delta; one\n"
    "that a delta of up to twice the limit would list is named in a hint line with the delta\n"
    "from which it is listed.\n"
    "\n"
    "  --cell A B C ALPHA BETA GAMMA  the cell, in angstroms and degrees\n"
    "  --centring P|A|B|C|I|F|R       its centring (R: rhombohedral on hexagonal axes); P\n"
    "  --delta DEG                    largest obliquity of a two-fold axis; 3\n"
    "  --max-index N                  derivative lattices of index 2..N (N from 1 to 10); 1\n"
    "  --basis \"U V W; U V W; U V W\"  the lattice type of the cell three lattice vectors span\n"
    "                                 and whether it is the same lattice or a superlattice\n"
    "  --json                         one JSON object instead of the table\n"
    "  --batch FILE                   one cell a line: [P|A|B|C|I|F|R] A B C ALPHA BETA GAMMA,\n"
    "                                 '#' starts a comment; one JSON object a line, with\n"
    "                                 its \"line\" number\n"
    "  --csv                          with --batch: CSV, one row a cell, instead of JSON\n"
    "  --sum FILE                     the solutions of a Crysfire summary compared: each one's\n"
    "                                 lattice type, and groups of the same lattice in any\n"
    "                                 setting with their sub- and superlattices up to index 4\n"
    "  --length-tol X                 with --sum: relative tolerance of matched edges; 0.01\n"
    "                                 (angles match within --delta)\n"
    "  --lines FILE                   observed lines, one a row: 2theta [intensity]; every\n"
    "                                 cell gains M20, F30, unindexed and superstructure lines\n"
    "  --lines-in 2theta|d            the unit of the first number; 2theta (degrees)\n"
    "  --wavelength A                 in angstroms; 1.540598 (Cu Ka1)\n"
    "  --tolerance DEG                largest |2theta(obs) - 2theta(calc)| of an indexed line;\n"
    "                                 0.03\n"
    "  --refine                       with --cell: each cell refined under its type's metric\n"
    "  --zero                         with --refine: the zero shift of 2theta refined too\n"
    "  --sort m|f|delta               the lines table by M or F (falling) or delta (rising)\n"
    "  --version                      print the version\n"
    "  --help                         print this text\n";

std::optional<lattice::imat3> parse_basis(const std::string& text) {
  lattice::imat3 m{};
  std::istringstream rows(text);
  std::string row_text;
  int row = 0;
  while (std::getline(rows, row_text, ';')) {
    if (row == 3) return std::nullopt;
    std::istringstream words(row_text);
    std::string word;
    int column = 0;
    while (words >> word) {
      std::optional<int> value = lattice::parse_integer(word);
      if (!value || column == 3) return std::nullopt;
      m[3 * row + column++] = *value;
    }
    if (column != 3) return std::nullopt;
    ++row;
  }
  if (row != 3) return std::nullopt;
  return m;
}

lattice::comparison_options lattice_command::comparison() const {
  lattice::comparison_options options;
  options.delta_limit = analysis.delta_limit;
  if (length_tolerance) options.length_tolerance = *length_tolerance;
  return options;
}

lattice_parse_outcome parse_lattice_arguments(const std::vector<std::string>& arguments) {
  lattice_parse_outcome out;
  lattice_command& c = out.command;
  auto fail = [&](std::string message) {
    out.error = std::move(message);
    return out;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    auto needs = [&](std::size_t count) { return i + count < arguments.size(); };
    if (option == "--help") {
      c.help = true;
    } else if (option == "--version") {
      c.version = true;
    } else if (option == "--json") {
      c.json = true;
    } else if (option == "--csv") {
      c.csv = true;
    } else if (option == "--cell") {
      if (!needs(6)) return fail("--cell needs six numbers: a b c alpha beta gamma");
      double p[6];
      for (int k = 0; k < 6; ++k) {
        std::optional<double> x = lattice::parse_number(arguments[i + 1 + k]);
        if (!x) return fail("--cell: '" + arguments[i + 1 + k] + "' is not a number");
        p[k] = *x;
      }
      c.cell = lattice::cell{p[0], p[1], p[2], p[3], p[4], p[5]};
      i += 6;
    } else if (option == "--centring") {
      if (!needs(1) || !lattice::parse_centring(arguments[i + 1], c.analysis.centring_type))
        return fail("--centring needs one of P, A, B, C, I, F, R");
      ++i;
    } else if (option == "--delta") {
      std::optional<double> x = needs(1) ? lattice::parse_number(arguments[i + 1]) : std::nullopt;
      if (!x || !lattice::is_delta_limit(*x))
        return fail("--delta needs a number of degrees above 0 and at most 45");
      c.analysis.delta_limit = *x;
      ++i;
    } else if (option == "--max-index") {
      std::optional<int> n = needs(1) ? lattice::parse_integer(arguments[i + 1]) : std::nullopt;
      if (!n || *n < 1 || *n > lattice::kLargestIndex)
        return fail("--max-index needs a whole number from 1 to 10");
      c.analysis.max_index = *n;
      ++i;
    } else if (option == "--basis") {
      if (!needs(1)) return fail("--basis needs three rows of three integers");
      c.basis = parse_basis(arguments[i + 1]);
      if (!c.basis)
        return fail("--basis: '" + arguments[i + 1] +
                    "' is not three rows of three integers separated by ';'");
      ++i;
    } else if (option == "--sum") {
      if (!needs(1)) return fail("--sum needs a file name");
      c.sum_file = arguments[++i];
    } else if (option == "--length-tol") {
      std::optional<double> x = needs(1) ? lattice::parse_number(arguments[i + 1]) : std::nullopt;
      if (!x || !lattice::is_length_tolerance(*x))
        return fail("--length-tol needs a relative tolerance above 0 and at most 0.2");
      c.length_tolerance = *x;
      ++i;
    } else if (option == "--batch") {
      if (!needs(1)) return fail("--batch needs a file name");
      c.batch_file = arguments[++i];
    } else if (std::string error; parse_lines_option(arguments, i, c.lines, error)) {
      if (!error.empty()) return fail(error);
    } else {
      return fail("unknown argument '" + option + "'");
    }
  }
  if (c.help || c.version) return out;
  if (!c.sum_file.empty()) {
    if (c.cell || !c.batch_file.empty()) return fail("--sum goes without --cell and --batch");
  } else if (c.cell.has_value() == !c.batch_file.empty()) {
    return fail("give either --cell or --batch");
  }
  if (c.csv && c.batch_file.empty()) return fail("--csv goes with --batch");
  if (c.length_tolerance && c.sum_file.empty()) return fail("--length-tol goes with --sum");
  if (c.basis && !c.cell) return fail("--basis goes with --cell");
  if (std::string e = lines_conflict(c.lines, c.cell.has_value(), !c.sum_file.empty()); !e.empty())
    return fail(e);
  return out;
}

}  // namespace quarvel::cli
