// The lattice analysis's vocabulary: cells, centrings, Bravais types and its one error.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lattice {

// a, b, c in Å; alpha, beta, gamma in degrees.
struct cell {
  double a = 0, b = 0, c = 0, alpha = 0, beta = 0, gamma = 0;
  std::array<double, 6> parameters() const { return {a, b, c, alpha, beta, gamma}; }
};

// The centring of the cell a user gives; R is rhombohedral centring on hexagonal axes (obverse).
enum class centring { P, A, B, C, I, F, R };

// The fourteen Bravais types, from the least to the most symmetric family.
enum class bravais_type { aP, mP, mC, oP, oC, oF, oI, tP, tI, hR, hP, cP, cF, cI };

enum class lattice_system {
  triclinic,
  monoclinic,
  orthorhombic,
  tetragonal,
  rhombohedral,
  hexagonal,
  cubic
};

std::string_view centring_name(centring c);
// Accepts the one-letter names of the enum; false for anything else.
bool parse_centring(std::string_view text, centring& out);

std::string_view bravais_name(bravais_type t);
lattice_system system_of(bravais_type t);
std::string_view system_name(lattice_system s);

// Order of the holohedry (with the inversion) and the number of its symmorphic space group,
// which together rank the types from the most to the least symmetric.
int holohedry_order(bravais_type t);
int space_group_number(bravais_type t);

// Anything the analysis cannot work with: a cell without volume, a singular basis, …
class lattice_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lattice
