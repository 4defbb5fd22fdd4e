// Sub-lattice classes against brute force: every sub-lattice of index N as a Hermite normal
// form, the lattice's rotations found by search over integer matrices that keep its metric,
// orbits formed by applying each rotation and comparing lattices by integer solvability.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "lattice/analysis.hpp"
#include "lattice/metric.hpp"
#include "lattice/sublattices.hpp"
#include "lattice/two_folds.hpp"
#include "lattice_fixtures.hpp"
#include "lattice_generators.hpp"

namespace {

using namespace lattice;
using lattice_test::fraction_matrix;

constexpr int kLargestIndex = 5;

// Rows (a,0,0), (b,c,0), (d,e,f) with a c f = index, 0 ≤ b, d < a, 0 ≤ e < c.
std::vector<imat3> normal_forms(int index) {
  std::vector<imat3> found;
  for (int a = 1; a <= index; ++a)
    for (int c = 1; c <= index; ++c)
      for (int f = 1; f <= index; ++f) {
        if (a * c * f != index) continue;
        for (int b = 0; b < a; ++b)
          for (int d = 0; d < a; ++d)
            for (int e = 0; e < c; ++e) found.push_back({a, 0, 0, b, c, 0, d, e, f});
      }
  return found;
}

// The row v lies in the lattice spanned by the rows of h: v h⁻¹ = v adj(h) / det(h) is whole.
bool in_span(const std::array<long long, 3>& v, const imat3& h) {
  const imat3 adj = adjugate(h);
  const long long det = determinant(h);
  for (int j = 0; j < 3; ++j) {
    long long x = v[0] * adj[j] + v[1] * adj[3 + j] + v[2] * adj[6 + j];
    if (x % det != 0) return false;
  }
  return true;
}

bool same_lattice(const imat3& x, const imat3& y) {
  if (std::abs(determinant(x)) != std::abs(determinant(y))) return false;
  for (int i = 0; i < 3; ++i)
    if (!in_span({x[3 * i], x[3 * i + 1], x[3 * i + 2]}, y)) return false;
  return true;
}

// The rotations R (acting on coordinate columns, x ↦ R x) with Rᵀ G R = G: their columns are
// images of the basis vectors, so vectors of the same lengths and mutual angles. The basis
// must be reduced so that those images have small coordinates.
std::vector<imat3> rotations_by_search(const dmat3& g) {
  const double scale = std::max({g[0], g[4], g[8]}), tolerance = 1e-7 * scale;
  auto gdot = [&](const ivec3& x, const ivec3& y) {
    return dot(to_real(x), lattice::apply(g, to_real(y)));
  };
  std::vector<ivec3> columns[3];
  for (int i = -3; i <= 3; ++i)
    for (int j = -3; j <= 3; ++j)
      for (int k = -3; k <= 3; ++k) {
        const ivec3 v{i, j, k};
        for (int n = 0; n < 3; ++n)
          if (std::abs(gdot(v, v) - g[4 * n]) < tolerance) columns[n].push_back(v);
      }
  std::vector<imat3> found;
  for (const ivec3& x : columns[0])
    for (const ivec3& y : columns[1]) {
      if (std::abs(gdot(x, y) - g[1]) > tolerance) continue;
      for (const ivec3& z : columns[2]) {
        if (std::abs(gdot(x, z) - g[2]) > tolerance || std::abs(gdot(y, z) - g[5]) > tolerance)
          continue;
        const imat3 r = transpose(from_rows(x, y, z));
        if (determinant(r) == 1) found.push_back(r);
      }
    }
  std::sort(found.begin(), found.end());
  return found;
}

// R in the basis whose rows are u (in the old basis): x_old = uᵀ x_new, so R' = uᵀ⁻¹ R uᵀ.
imat3 in_basis(const imat3& r, const imat3& u) {
  const imat3 ut = transpose(u), ut_inv = adjugate(ut);  // det u = 1
  return multiply(multiply(ut_inv, r), ut);
}

// Orbits of the sub-lattices of one index under the rotations; the image of the rows v of a
// basis under R is v Rᵀ.
std::vector<int> orbit_ids(const std::vector<imat3>& forms, const std::vector<imat3>& rotations) {
  std::vector<int> parent(forms.size());
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](int x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
  };
  for (size_t i = 0; i < forms.size(); ++i)
    for (const imat3& r : rotations) {
      const imat3 image = multiply(forms[i], transpose(r));
      int matches = 0;
      for (size_t j = 0; j < forms.size(); ++j)
        if (same_lattice(image, forms[j])) {
          ++matches;
          parent[root(static_cast<int>(j))] = root(static_cast<int>(i));
        }
      EXPECT_EQ(matches, 1) << "the image of a sub-lattice is one sub-lattice";
    }
  std::vector<int> ids(forms.size());
  for (size_t i = 0; i < forms.size(); ++i) ids[i] = root(static_cast<int>(i));
  return ids;
}

struct parent_lattice {
  lattice_test::generated_lattice lattice;
  dmat3 reduced;  // metric of a Minkowski-reduced primitive basis
};

void PrintTo(const parent_lattice& p, std::ostream* out) {
  *out << bravais_name(p.lattice.type);
}

std::vector<parent_lattice> parents() {
  std::vector<parent_lattice> out;
  const bravais_type types[] = {
      bravais_type::aP, bravais_type::mP, bravais_type::mC, bravais_type::oP, bravais_type::oC,
      bravais_type::oF, bravais_type::oI, bravais_type::tP, bravais_type::tI, bravais_type::hR,
      bravais_type::hP, bravais_type::cP, bravais_type::cF, bravais_type::cI};
  for (bravais_type t : types)
    for (const auto& l : lattice_test::generated_lattices(t, 1, 77 + static_cast<unsigned>(t))) {
      const dmat3 g =
          transformed(metric_of(l.conventional),
                      lattice_test::real_of(lattice_test::primitive_rows(l.centring_type)));
      out.push_back({l, transformed(g, lattice_test::minkowski_rows(g))});
    }
  return out;
}

class ParentLattices : public testing::TestWithParam<parent_lattice> {};

TEST(SublatticeForms, EnumerationIsEveryHermiteNormalFormOfTheIndex) {
  for (int index = 2; index <= 6; ++index) {
    std::vector<imat3> listed = sublattice_bases(index), mine = normal_forms(index);
    std::sort(listed.begin(), listed.end());
    std::sort(mine.begin(), mine.end());
    EXPECT_EQ(listed, mine) << "index " << index;
    // Distinct forms are distinct lattices.
    for (size_t i = 0; i < mine.size(); ++i)
      for (size_t j = i + 1; j < mine.size(); ++j) EXPECT_FALSE(same_lattice(mine[i], mine[j]));
  }
}

// The two-folds of the reduced-cell table within δ close to exactly the rotations that keep the
// metric of an exact lattice.
TEST_P(ParentLattices, RotationGroupIsEveryRotationThatKeepsTheMetric) {
  const parent_lattice& p = GetParam();
  std::vector<imat3> found = lattice_rotation_group(p.reduced, kDefaultDeltaLimit);
  std::sort(found.begin(), found.end());
  const std::vector<imat3> expected = rotations_by_search(p.reduced);
  EXPECT_EQ(static_cast<int>(expected.size()),
            lattice_test::holohedry_order_of(p.lattice.type) / 2);
  EXPECT_EQ(found, expected);
}

// Each class of sub-lattices under the rotations is represented once, by its least normal form,
// in the reduced basis and in a skewed one (where Rᵀ is no rotation of the lattice).
TEST_P(ParentLattices, SublatticeClassesAreTheOrbitsEachByItsLeastForm) {
  const parent_lattice& p = GetParam();
  std::mt19937 random(static_cast<unsigned>(p.lattice.type) + 5);
  const std::vector<imat3> reduced_rotations = rotations_by_search(p.reduced);
  for (int basis = 0; basis < 3; ++basis) {
    const imat3 u = basis == 0 ? identity3<imat3>() : lattice_test::random_unimodular(random, 2);
    std::vector<imat3> rotations;
    for (const imat3& r : reduced_rotations) rotations.push_back(in_basis(r, u));
    for (int index = 2; index <= kLargestIndex; ++index) {
      SCOPED_TRACE("basis " + std::to_string(basis) + ", index " + std::to_string(index));
      const std::vector<imat3> forms = normal_forms(index);
      const std::vector<int> ids = orbit_ids(forms, rotations);
      const std::set<int> orbits(ids.begin(), ids.end());
      const std::vector<imat3> classes = sublattice_classes(index, rotations);
      EXPECT_EQ(classes.size(), orbits.size());
      std::set<int> represented;
      for (const imat3& h : classes) {
        auto at = std::find(forms.begin(), forms.end(), h);
        ASSERT_NE(at, forms.end());
        const int id = ids[at - forms.begin()];
        EXPECT_TRUE(represented.insert(id).second) << "two representatives of one class";
        for (size_t j = 0; j < forms.size(); ++j)
          if (ids[j] == id) {
            EXPECT_LE(h, forms[j]) << "not the least form of its class";
          }
      }
    }
  }
}

// The derivative entries of the analysis: each a sub-lattice of its index, no two of one class.
// Returns the number of derivative entries checked.
int expect_distinct_classes(const cell& input) {
  SCOPED_TRACE(lattice_test::describe(input));
  const analysis a = analyse(input, {centring::P, kDefaultDeltaLimit, kLargestIndex});
  // The parent's rotations in the axes the analysis reduced to.
  const std::vector<imat3> rotations = rotations_by_search(metric_of(a.reduced));
  const fraction_matrix to_reduced =
      lattice_test::inverse_of(lattice_test::fractions_of(a.reduced_matrix));
  std::map<int, std::vector<imat3>> forms_by_index;
  std::map<int, std::vector<int>> ids_by_index;
  std::map<int, std::set<int>> seen;
  int checked = 0;
  for (const lattice_entry& e : a.lattices) {
    if (e.index == 1) continue;
    ++checked;
    SCOPED_TRACE(std::string(bravais_name(e.bravais)) + " of index " + std::to_string(e.index));
    if (!forms_by_index.count(e.index)) {
      forms_by_index[e.index] = normal_forms(e.index);
      ids_by_index[e.index] = orbit_ids(forms_by_index[e.index], rotations);
    }
    // The generators of the entry's lattice: its axes and its centring translations, in the
    // reduced axes.
    const fraction_matrix axes =
        lattice_test::product(lattice_test::fractions_of(e.matrix), to_reduced);
    std::vector<std::array<long long, 3>> generators;
    const lattice_test::translations t = lattice_test::centring_points(e.cell_centring);
    for (const auto& point : t.points) {
      std::array<long long, 3> v{};
      bool integral = true;
      for (int j = 0; j < 3; ++j) {
        long long num = 0;
        for (int k = 0; k < 3; ++k) num += point[k] * axes.num[3 * k + j];
        const long long den = t.den * axes.den;
        if (num % den != 0) integral = false;
        v[j] = num / den;
      }
      EXPECT_TRUE(integral) << "a lattice point of the entry's cell is no vector of the lattice";
      if (!integral) return checked;
      generators.push_back(v);
    }
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j)
        if (axes.num[3 * i + j] % axes.den != 0) {
          ADD_FAILURE() << "an axis of the entry's cell is no vector of the lattice";
          return checked;
        }
      generators.push_back({axes.num[3 * i] / axes.den, axes.num[3 * i + 1] / axes.den,
                            axes.num[3 * i + 2] / axes.den});
    }
    const std::vector<imat3>& forms = forms_by_index[e.index];
    std::vector<size_t> matching;
    for (size_t j = 0; j < forms.size(); ++j)
      if (std::all_of(generators.begin(), generators.end(),
                      [&](const auto& v) { return in_span(v, forms[j]); }))
        matching.push_back(j);
    EXPECT_EQ(matching.size(), 1u) << "the entry's lattice is one sub-lattice of its index";
    if (matching.size() == 1) {
      EXPECT_TRUE(seen[e.index].insert(ids_by_index[e.index][matching[0]]).second)
          << "two entries of one class";
    }
  }
  return checked;
}

TEST(DerivativeEntries, AreSublatticesOfTheirIndexEachOfItsOwnClass) {
  int checked = 0;
  for (const parent_lattice& p : parents()) checked += expect_distinct_classes(cell_of(p.reduced));
  // Lattices whose sub-lattices are known to gain symmetry: a cubic one (hexagonal at index 3),
  // an orthorhombic one with b = a√3 (hexagonal at index 2) and a tetragonal one with
  // c = a√2 (cubic at index 2).
  const cell known[] = {{4, 4, 4, 90, 90, 90},
                        {4, 4 * std::sqrt(3.0), 5, 90, 90, 90},
                        {4, 4, 4 * std::sqrt(2.0), 90, 90, 90}};
  for (const cell& c : known) {
    const int found = expect_distinct_classes(c);
    EXPECT_GT(found, 0) << lattice_test::describe(c);
    checked += found;
  }
  EXPECT_GT(checked, 20);
}

INSTANTIATE_TEST_SUITE_P(AllFourteen, ParentLattices, testing::ValuesIn(parents()),
                         [](const testing::TestParamInfo<parent_lattice>& tested) {
                           return std::string(bravais_name(tested.param.lattice.type));
                         });

}  // namespace
