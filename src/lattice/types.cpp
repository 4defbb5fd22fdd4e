// Names and ranks of the lattice vocabulary.
#include "lattice/types.hpp"

namespace lattice {

namespace {

struct bravais_row {
  std::string_view name;
  lattice_system system;
  int order;
  int space_group;
};

// Indexed by bravais_type; holohedries -1, 2/m, mmm, 4/mmm, -3m, 6/mmm, m-3m.
constexpr bravais_row kBravais[] = {
    {"aP", lattice_system::triclinic, 2, 2},     {"mP", lattice_system::monoclinic, 4, 10},
    {"mC", lattice_system::monoclinic, 4, 12},   {"oP", lattice_system::orthorhombic, 8, 47},
    {"oC", lattice_system::orthorhombic, 8, 65}, {"oF", lattice_system::orthorhombic, 8, 69},
    {"oI", lattice_system::orthorhombic, 8, 71}, {"tP", lattice_system::tetragonal, 16, 123},
    {"tI", lattice_system::tetragonal, 16, 139}, {"hR", lattice_system::rhombohedral, 12, 166},
    {"hP", lattice_system::hexagonal, 24, 191},  {"cP", lattice_system::cubic, 48, 221},
    {"cF", lattice_system::cubic, 48, 225},      {"cI", lattice_system::cubic, 48, 229},
};

constexpr std::string_view kCentringNames[] = {"P", "A", "B", "C", "I", "F", "R"};

}  // namespace

std::string_view centring_name(centring c) {
  return kCentringNames[static_cast<int>(c)];
}

bool parse_centring(std::string_view text, centring& out) {
  for (int i = 0; i < 7; ++i)
    if (text == kCentringNames[i]) {
      out = static_cast<centring>(i);
      return true;
    }
  return false;
}

std::string_view bravais_name(bravais_type t) {
  return kBravais[static_cast<int>(t)].name;
}
lattice_system system_of(bravais_type t) {
  return kBravais[static_cast<int>(t)].system;
}
int holohedry_order(bravais_type t) {
  return kBravais[static_cast<int>(t)].order;
}
int space_group_number(bravais_type t) {
  return kBravais[static_cast<int>(t)].space_group;
}

std::string_view system_name(lattice_system s) {
  constexpr std::string_view names[] = {"triclinic",    "monoclinic", "orthorhombic", "tetragonal",
                                        "rhombohedral", "hexagonal",  "cubic"};
  return names[static_cast<int>(s)];
}

}  // namespace lattice
