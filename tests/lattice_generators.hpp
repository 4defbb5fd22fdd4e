// Random lattices of the fourteen Bravais types in many settings, and the lattice points of a
// lattice counted exactly in the axes of any cell: what the property tests of the lattice
// analysis check its output against, computed without the analysis's own code.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "lattice/analysis.hpp"
#include "lattice/matrix3.hpp"

namespace lattice_test {

struct generated_lattice {
  lattice::bravais_type type;
  lattice::cell conventional;  // standard setting: unique axis b, hR obverse on hexagonal axes
  lattice::centring centring_type;
};

// `count` lattices of the type with parameters drawn from a generator seeded with `seed`; a
// draw whose lattice has a two-fold axis within 5° that the type lacks is drawn again, so the
// type is the lattice's own at the analysis's default limit of 3°.
std::vector<generated_lattice> generated_lattices(lattice::bravais_type type, int count,
                                                  unsigned seed);

// Lattice rows that are two-fold axes within `degrees` by Le Page's test (a row u and a
// reciprocal row h with |u·h| = 1 or 2 at that angle), searched in a Minkowski-reduced basis.
int near_two_fold_axes(const lattice::dmat3& g, double degrees);

// The number of two-fold axes of the type's holohedry (a four- or six-fold counted as one).
int two_fold_axes_of(lattice::bravais_type t);

// Rows: a Minkowski-reduced basis of the lattice with metric g, shortest first, right-handed.
lattice::imat3 minkowski_rows(const lattice::dmat3& g);

// Entries drawn uniformly from [-largest, largest] until the determinant is 1.
lattice::imat3 random_unimodular(std::mt19937& random, int largest);

// The standard monoclinic cell (unique axis b) with its unique axis moved to position
// `axis` (0: a, 1: b, 2: c) by a cyclic permutation, and the centring letter that follows.
std::pair<lattice::cell, lattice::centring> with_unique_axis(const lattice::cell& standard,
                                                             lattice::centring c, int axis);

// Every parameter rounded to `decimals` places, as a cell is typed.
lattice::cell rounded(const lattice::cell& c, int decimals);

// A 3×3 matrix of fractions num / den (rows), for exact arithmetic on changes of basis.
struct fraction_matrix {
  std::array<long long, 9> num{1, 0, 0, 0, 1, 0, 0, 0, 1};
  long long den = 1;
};

fraction_matrix fractions_of(const lattice::rational_matrix& m);
fraction_matrix fractions_of(const lattice::imat3& m);
fraction_matrix product(const fraction_matrix& x, const fraction_matrix& y);
fraction_matrix inverse_of(const fraction_matrix& m);  // m regular
// In lowest terms, denominator positive.
std::pair<long long, long long> determinant_of(const fraction_matrix& m);
double entry(const fraction_matrix& m, int i);
lattice::dmat3 real_of(const fraction_matrix& m);
// The integer matrix, or nothing when an entry is not whole.
std::optional<lattice::imat3> whole(const fraction_matrix& m);

// Rows of a primitive basis of a cell with this centring, in the cell's axes (International
// Tables A, table 5.1.3.1; R obverse), each with determinant 1 / multiplicity.
fraction_matrix primitive_rows(lattice::centring c);
int multiplicity(lattice::centring c);

// The cell whose axes are `rows`, given in the axes of `given`.
lattice::cell cell_with_axes(const lattice::cell& given, const fraction_matrix& rows);

// A set of translations modulo the cell, each as numerators over one denominator in lowest
// terms, the origin included, sorted.
struct translations {
  long long den = 1;
  std::vector<std::array<long long, 3>> points;
  bool operator==(const translations&) const = default;
};

// The lattice L of a cell with centring `given` (its vectors: the integer rows plus the
// centring translations) written in the axes of another cell, whose axes are `rows` in the given
// cell's axes: { v rows⁻¹ mod 1 : v in L }, found by closing the generators' images.
translations lattice_points_in_cell(const fraction_matrix& rows, lattice::centring given);

// The translations of a standard centring (R: obverse unless `reverse`).
translations centring_points(lattice::centring c, bool reverse = false);

// True when every translation of `part` is one of `whole_set`.
bool contains(const translations& whole_set, const translations& part);

struct named_centring {
  lattice::centring type;
  bool reverse;
};
// The standard centring (P included) whose translations these are exactly, if any.
std::optional<named_centring> standard_centring_of(const translations& t);

// How a cell (axes `rows` in the axes of L's given cell, read with `cell_centring`) stands to
// L by the definition: L in the cell's axes is the cell's lattice S plus exactly one standard
// centring's translations (same lattice, read with that centring) or anything else (a
// superlattice of index [L : S]).
lattice::cell_relation relation_by_definition(const fraction_matrix& rows, lattice::centring given,
                                              lattice::centring cell_centring);

// Orders of the holohedries and numbers of their symmorphic space groups, from the
// International Tables, for the documented listing order.
int holohedry_order_of(lattice::bravais_type t);
int space_group_of(lattice::bravais_type t);

}  // namespace lattice_test
