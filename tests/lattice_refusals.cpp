// The one table of quarvel-lattice's refusals, read by the in-process and the process tests.
#include "lattice_refusals.hpp"

namespace quarvel::testing {

namespace {

using args = std::vector<std::string>;

args cell(args six, const args& rest = {}) {
  six.insert(six.begin(), "--cell");
  six.insert(six.end(), rest.begin(), rest.end());
  return six;
}

args cubic(const args& rest) {
  return cell({"4", "4", "4", "90", "90", "90"}, rest);
}

}  // namespace

const std::vector<lattice_refusal>& lattice_refusals() {
  const std::string no_basis = "' is not three rows of three integers separated by ';'";
  const std::string delta = "--delta needs a number of degrees above 0 and at most 45";
  const std::string index = "--max-index needs a whole number from 1 to 10";
  const std::string centring = "--centring needs one of P, A, B, C, I, F, R";
  const std::string no_volume = "the cell has no volume: its angles do not close";
  const std::string angles = "cell angles must lie between 0 and 180 degrees";
  const std::string edges = "cell edges must lie between 0.001 and 1000000 angstroms";
  static const std::vector<lattice_refusal> rows{
      // The arguments.
      {cell({"nan", "4", "4", "90", "90", "90"}), "--cell: 'nan' is not a number"},
      {cell({"4", "inf", "4", "90", "90", "90"}), "--cell: 'inf' is not a number"},
      {cell({"4", "4", "-infinity", "90", "90", "90"}), "--cell: '-infinity' is not a number"},
      {cell({"5,431", "4", "4", "90", "90", "90"}), "--cell: '5,431' is not a number"},
      {cell({"4", "4", "4", "90", "90", "1e999"}), "--cell: '1e999' is not a number"},
      {cell({"4", "4", "4", "90", "90", "90x"}), "--cell: '90x' is not a number"},
      {cell({"4", "4", "4", "90", "90", ""}), "--cell: '' is not a number"},
      {cell({"4", "4", "4", "90", "90"}), "--cell needs six numbers: a b c alpha beta gamma"},
      {cubic({"--basis", "1 0 0; 0 1 0; 0 0 0.5"}), "--basis: '1 0 0; 0 1 0; 0 0 0.5" + no_basis},
      {cubic({"--basis", "1 0 0; 0 1 0"}), "--basis: '1 0 0; 0 1 0" + no_basis},
      {cubic({"--basis", "1 0 0 0; 0 1 0; 0 0 1"}), "--basis: '1 0 0 0; 0 1 0; 0 0 1" + no_basis},
      {cubic({"--basis"}), "--basis needs three rows of three integers"},
      {cubic({"--max-index", "0"}), index},
      {cubic({"--max-index", "11"}), index},
      {cubic({"--max-index", "abc"}), index},
      {cubic({"--max-index", "2.0"}), index},
      {cubic({"--max-index", "99999999999"}), index},
      {cubic({"--max-index"}), index},
      {cubic({"--delta", "0"}), delta},
      {cubic({"--delta", "-1"}), delta},
      {cubic({"--delta", "nan"}), delta},
      {cubic({"--delta", "45.001"}), delta},
      {cubic({"--delta", "46"}), delta},
      {cubic({"--delta", "3,5"}), delta},
      {cubic({"--centring", "X"}), centring},
      {cubic({"--centring", "p"}), centring},
      {cubic({"--centring"}), centring},
      {cubic({"--csv"}), "--csv goes with --batch"},
      {cubic({"--length-tol", "0.02"}), "--length-tol goes with --sum"},
      {{"--batch", "cells.txt", "--basis", "1 0 0; 0 1 0; 0 0 1"}, "--basis goes with --cell"},
      {cubic({"--batch", "cells.txt"}), "give either --cell or --batch"},
      {{"--json"}, "give either --cell or --batch"},
      {{}, "give either --cell or --batch"},
      {{"--batch"}, "--batch needs a file name"},
      {cubic({"--frob"}), "unknown argument '--frob'"},
      {cubic({"-h"}), "unknown argument '-h'"},
      {cubic({"7"}), "unknown argument '7'"},
      // The cell and the basis, refused by the analysis.
      {cell({"0", "4", "4", "90", "90", "90"}), "cell edges must be positive numbers", 1},
      {cell({"4", "-4", "4", "90", "90", "90"}), "cell edges must be positive numbers", 1},
      {cell({"4", "4", "4", "0", "90", "90"}), angles, 1},
      {cell({"4", "4", "4", "90", "180", "90"}), angles, 1},
      {cell({"4", "4", "4", "90", "90", "200"}), angles, 1},
      {cell({"4", "4", "4", "10", "10", "150"}), no_volume, 1},
      {cell({"4", "4", "4", "120", "120", "120"}), no_volume, 1},
      {cell({"4", "4", "4", "90", "90", "179.99999999999997"}), no_volume, 1},
      {cell({"1e200", "1e200", "1e200", "90", "90", "90"}), edges, 1},
      {cell({"4", "4", "1e-4", "90", "90", "90"}), edges, 1},
      {cell({"1000000", "1000000", "0.001", "60", "60", "119.99999"}),
       "the cell's change of basis to its reduced cell has entries beyond 1000000, too large to "
       "carry exactly",
       1},
      {cell({"10", "10", "10", "90", "90", "179.99999"}),
       "the cell's lattice has a vector shorter than 0.001 angstroms", 1},
      {cubic({"--basis", "101 0 0; 0 1 0; 0 0 1"}),
       "basis entries must be whole numbers from -100 to 100", 1},
      {cubic({"--basis", "1 0 0; 0 1 0; 1 1 0"}),
       "the basis vectors are coplanar: their determinant is 0", 1},
      // A file.
      {{"--batch", "no-such-file.txt"}, "cannot read 'no-such-file.txt'", 4},
  };
  return rows;
}

}  // namespace quarvel::testing
