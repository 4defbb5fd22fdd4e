// Lattices of the fourteen Bravais types, and random settings of them, for the lattice tests.
#pragma once

#include <ostream>
#include <random>
#include <string>

#include "lattice/analysis.hpp"
#include "lattice/matrix3.hpp"

namespace lattice {
// Failure messages name the type.
inline void PrintTo(bravais_type t, std::ostream* out) {
  *out << bravais_name(t);
}
}  // namespace lattice

namespace lattice_test {

struct bravais_example {
  lattice::bravais_type type;
  lattice::cell conventional;  // in the standard setting
  lattice::centring centring_type;
  int subgroup_count;  // Bravais-type subgroups of the holohedry, conjugates counted apart
};

// Test names show the type, not the struct's bytes.
inline void PrintTo(const bravais_example& e, std::ostream* out) {
  *out << lattice::bravais_name(e.type);
}

// One example of every type, with edges unrelated to one another.
const std::vector<bravais_example>& bravais_examples();

// The cell spanned by `rows`, given in the primitive basis of the centred conventional cell:
// the same lattice in another primitive setting.
lattice::cell primitive_setting(const lattice::cell& conventional, lattice::centring c,
                                const lattice::imat3& rows);

// A random integer matrix with entries in [-2, 2] and determinant 1.
lattice::imat3 random_unimodular(std::mt19937& random);

// Lengths scaled by up to ±relative, angles moved by up to ±degrees.
lattice::cell perturbed(const lattice::cell& c, double relative, double degrees,
                        std::mt19937& random);

std::string describe(const lattice::cell& c);

}  // namespace lattice_test
