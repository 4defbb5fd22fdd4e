// The seven crystal systems: numbers, codes, names of the target list, short labels.
#pragma once

#include <array>
#include <string_view>

namespace mathhkl {

struct crystal_system {
  int number;                    // 1..7, as the search and the target list count them
  std::string_view code;         // four upper-case letters
  std::string_view name;         // entry of the target-system list; empty for triclinic
  std::string_view short_label;  // entry of the keyboard system list
};

inline constexpr int kTriclinic = 7;

inline constexpr std::array<crystal_system, 7> crystal_systems{{
    {1, "CUBI", "Cubic", "Cubic"},
    {2, "TETR", "Tetragonal", "Tetra."},
    {3, "ORTH", "Orthorhombic", "Ortho."},
    {4, "HEXA", "Hexagonal", "Hexa."},
    {5, "RHOM", "Rhomboedral", "Rhombo."},
    {6, "MONO", "Monoclinic", "Monoc."},
    {7, "TRIC", "", "Tricl."},
}};

// The system of a code; triclinic for "TRIC" and for anything unknown.
constexpr const crystal_system& system_of_code(std::string_view code) {
  for (const auto& s : crystal_systems)
    if (s.code == code) return s;
  return crystal_systems[kTriclinic - 1];
}

constexpr const crystal_system& system_of_number(int number) {
  return crystal_systems[(number >= 1 && number <= kTriclinic ? number : kTriclinic) - 1];
}

}  // namespace mathhkl
