// The seven crystal systems: one enumeration, a set of them, and their codes and names.
#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

namespace mathhkl {

// Numbered 1..7 as the search and the target list count them.
enum class crystal_system {
  cubic = 1,
  tetragonal,
  orthorhombic,
  hexagonal,
  rhombohedral,
  monoclinic,
  triclinic,
};

constexpr int number_of(crystal_system s) {
  return static_cast<int>(s);
}

// The six systems a search can find, in the order the results are grouped.
inline constexpr std::array<crystal_system, 6> kSearchableSystems{
    crystal_system::cubic,     crystal_system::tetragonal,   crystal_system::orthorhombic,
    crystal_system::hexagonal, crystal_system::rhombohedral, crystal_system::monoclinic,
};

// A set of systems, such as the targets of a search.
class system_set {
 public:
  constexpr system_set() = default;
  constexpr system_set(std::initializer_list<crystal_system> systems) {
    for (crystal_system s : systems) insert(s);
  }
  static constexpr system_set searchable() {
    system_set all;
    for (crystal_system s : kSearchableSystems) all.insert(s);
    return all;
  }

  constexpr void insert(crystal_system s) { bits_ |= bit(s); }
  constexpr bool contains(crystal_system s) const { return (bits_ & bit(s)) != 0; }
  constexpr bool intersects(system_set other) const { return (bits_ & other.bits_) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr system_set operator|(system_set other) const {
    system_set both;
    both.bits_ = bits_ | other.bits_;
    return both;
  }
  constexpr bool operator==(const system_set&) const = default;

 private:
  static constexpr unsigned bit(crystal_system s) { return 1u << number_of(s); }
  unsigned bits_ = 0;
};

struct system_info {
  crystal_system system;
  std::string_view code;         // four upper-case letters
  std::string_view name;         // entry of the target-system list; empty for triclinic
  std::string_view short_label;  // entry of the keyboard system list
};

inline constexpr std::array<system_info, 7> crystal_systems{{
    {crystal_system::cubic, "CUBI", "Cubic", "Cubic"},
    {crystal_system::tetragonal, "TETR", "Tetragonal", "Tetra."},
    {crystal_system::orthorhombic, "ORTH", "Orthorhombic", "Ortho."},
    {crystal_system::hexagonal, "HEXA", "Hexagonal", "Hexa."},
    {crystal_system::rhombohedral, "RHOM", "Rhomboedral", "Rhombo."},
    {crystal_system::monoclinic, "MONO", "Monoclinic", "Monoc."},
    {crystal_system::triclinic, "TRIC", "", "Tricl."},
}};

constexpr const system_info& info_of(crystal_system s) {
  return crystal_systems[number_of(s) - 1];
}

// The system of a code; triclinic for "TRIC" and for anything unknown.
constexpr const system_info& system_of_code(std::string_view code) {
  for (const auto& s : crystal_systems)
    if (s.code == code) return s;
  return info_of(crystal_system::triclinic);
}

// Line of a system in the keyboard list, which holds all seven in order from 0.
constexpr int keyboard_list_index(crystal_system s) {
  return number_of(s) - 1;
}

// Item of a target system in the check list, whose item 0 is "All".
constexpr int check_list_item(crystal_system s) {
  return number_of(s);
}

}  // namespace mathhkl
