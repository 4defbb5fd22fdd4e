// Generated lattices and exact lattice points, independent of the analysis's own algorithms.
#include "lattice_generators.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <set>
#include <stdexcept>

#include "lattice/metric.hpp"

namespace lattice_test {

using namespace lattice;

namespace {

constexpr double kRadian = std::numbers::pi / 180;

centring centring_of_type(bravais_type t) {
  switch (t) {
    case bravais_type::mC:
    case bravais_type::oC:
      return centring::C;
    case bravais_type::oI:
    case bravais_type::tI:
    case bravais_type::cI:
      return centring::I;
    case bravais_type::oF:
    case bravais_type::cF:
      return centring::F;
    case bravais_type::hR:
      return centring::R;
    default:
      return centring::P;
  }
}

cell draw(bravais_type t, std::mt19937& random) {
  auto u = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  switch (t) {
    case bravais_type::aP:
      return {u(4.5, 6), u(6.2, 7.4), u(7.6, 9), u(96, 112), u(96, 112), u(96, 112)};
    case bravais_type::mP:
      return {u(4.5, 6.5), u(5, 9), u(6.6, 9), 90, u(97, 118), 90};
    case bravais_type::mC:
      return {u(8, 11), u(5, 7), u(4.5, 6.5), 90, u(97, 125), 90};
    case bravais_type::oP:
    case bravais_type::oI:
    case bravais_type::oF:
      return {u(4, 5), u(5.5, 6.5), u(7, 8.5), 90, 90, 90};
    case bravais_type::oC:
      return {u(4, 5.5), u(7, 9.5), u(5, 8), 90, 90, 90};
    case bravais_type::tP: {
      double a = u(4, 5.5);
      return {a, a, u(6.5, 8.5), 90, 90, 90};
    }
    case bravais_type::tI: {
      double a = u(3.5, 4.5);
      return {a, a, u(8, 11), 90, 90, 90};
    }
    case bravais_type::hR: {
      // c/a away from √6 (cF), √(3/2) (cP) and √(3/8) (cI).
      double a = u(4, 6);
      return {a, a, a * u(2.6, 3.3), 90, 90, 120};
    }
    case bravais_type::hP: {
      double a = u(4, 6);
      return {a, a, u(3, 9), 90, 90, 120};
    }
    case bravais_type::cP:
    case bravais_type::cI:
    case bravais_type::cF: {
      double a = u(3, 6);
      return {a, a, a, 90, 90, 90};
    }
  }
  throw std::logic_error("unknown type");
}

long long gcd3(long long x, long long y, long long z) {
  return std::gcd(std::gcd(std::abs(x), std::abs(y)), std::abs(z));
}

fraction_matrix normalised(fraction_matrix m) {
  if (m.den < 0) {
    m.den = -m.den;
    for (long long& x : m.num) x = -x;
  }
  long long g = m.den;
  for (long long x : m.num) g = std::gcd(g, std::abs(x));
  if (g > 1) {
    m.den /= g;
    for (long long& x : m.num) x /= g;
  }
  return m;
}

long long modulo(long long x, long long m) {
  return ((x % m) + m) % m;
}

// Lowest common denominator, origin-including, sorted.
translations canonical(long long den, std::set<std::array<long long, 3>> points) {
  long long g = den;
  for (const auto& p : points) g = std::gcd(g, gcd3(p[0], p[1], p[2]));
  translations t;
  t.den = den / g;
  for (const auto& p : points) t.points.push_back({p[0] / g, p[1] / g, p[2] / g});
  std::sort(t.points.begin(), t.points.end());
  return t;
}

// Centring translations in sixths of the axes.
std::vector<std::array<long long, 3>> sixths(centring c, bool reverse) {
  switch (c) {
    case centring::P:
      return {};
    case centring::A:
      return {{0, 3, 3}};
    case centring::B:
      return {{3, 0, 3}};
    case centring::C:
      return {{3, 3, 0}};
    case centring::I:
      return {{3, 3, 3}};
    case centring::F:
      return {{0, 3, 3}, {3, 0, 3}, {3, 3, 0}};
    case centring::R:
      if (reverse) return {{2, 4, 2}, {4, 2, 4}};
      return {{4, 2, 2}, {2, 4, 4}};
  }
  return {};
}

}  // namespace

int two_fold_axes_of(bravais_type t) {
  switch (system_of(t)) {
    case lattice_system::triclinic:
      return 0;
    case lattice_system::monoclinic:
      return 1;
    case lattice_system::orthorhombic:
    case lattice_system::rhombohedral:  // three two-folds normal to the three-fold
      return 3;
    case lattice_system::tetragonal:  // the four-fold holds a two-fold
      return 5;
    case lattice_system::hexagonal:
      return 7;
    case lattice_system::cubic:
      return 9;
  }
  return -1;
}

int near_two_fold_axes(const dmat3& g, double degrees) {
  const imat3 basis = minkowski_rows(g);
  const dmat3 reduced = transformed(g, basis);
  const dmat3 reciprocal = inverse(reduced);
  const double least_cosine = std::cos(degrees * kRadian);
  std::set<ivec3> axes;
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j)
      for (int k = -2; k <= 2; ++k) {
        const ivec3 u{i, j, k};
        if (is_zero(u) || primitive(u) != u) continue;
        // One of u and -u: the first nonzero entry positive.
        if (i < 0 || (i == 0 && (j < 0 || (j == 0 && k < 0)))) continue;
        for (int p = -2; p <= 2; ++p)
          for (int q = -2; q <= 2; ++q)
            for (int r = -2; r <= 2; ++r) {
              const ivec3 h{p, q, r};
              const int uh = std::abs(dot(u, h));
              if (uh != 1 && uh != 2) continue;
              const double cosine =
                  uh / std::sqrt(length_sq(reduced, u) * length_sq(reciprocal, h));
              if (cosine >= least_cosine) axes.insert(u);
            }
      }
  return static_cast<int>(axes.size());
}

imat3 minkowski_rows(const dmat3& g) {
  // In three dimensions a basis that no b_i + s b_j + t b_k (s, t in {-1, 0, 1}) shortens is
  // Minkowski-reduced.
  imat3 m = identity3<imat3>();
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3, k = (i + 2) % 3;
      for (int s = -1; s <= 1; ++s)
        for (int t = -1; t <= 1; ++t) {
          if (s == 0 && t == 0) continue;
          ivec3 v;
          for (int x = 0; x < 3; ++x) v[x] = m[3 * i + x] + s * m[3 * j + x] + t * m[3 * k + x];
          if (length_sq(g, v) < length_sq(g, row(m, i)) * (1 - 1e-12)) {
            for (int x = 0; x < 3; ++x) m[3 * i + x] = v[x];
            changed = true;
          }
        }
    }
  }
  int order[3] = {0, 1, 2};
  std::sort(order, order + 3,
            [&](int x, int y) { return length_sq(g, row(m, x)) < length_sq(g, row(m, y)); });
  imat3 sorted = from_rows(row(m, order[0]), row(m, order[1]), row(m, order[2]));
  if (determinant(sorted) < 0)
    for (int x = 6; x < 9; ++x) sorted[x] = -sorted[x];
  return sorted;
}

std::vector<generated_lattice> generated_lattices(bravais_type type, int count, unsigned seed) {
  std::mt19937 random(seed);
  const centring c = centring_of_type(type);
  const dmat3 to_primitive = real_of(primitive_rows(c));
  std::vector<generated_lattice> found;
  while (static_cast<int>(found.size()) < count) {
    const cell conventional = draw(type, random);
    const dmat3 g = transformed(metric_of(conventional), to_primitive);
    if (near_two_fold_axes(g, 5) == two_fold_axes_of(type))
      found.push_back({type, conventional, c});
  }
  return found;
}

imat3 random_unimodular(std::mt19937& random, int largest) {
  std::uniform_int_distribution<int> entry_of(-largest, largest);
  for (;;) {
    imat3 m;
    for (int& x : m) x = entry_of(random);
    if (determinant(m) == 1) return m;
  }
}

std::pair<cell, centring> with_unique_axis(const cell& s, centring c, int axis) {
  // Axes (b, c, a) put the unique axis first and (c, a, b) last, the angles following their
  // axes; the C translation (a+b)/2 becomes (a'+c')/2 (B) and (b'+c')/2 (A).
  switch (axis) {
    case 0:
      return {{s.b, s.c, s.a, s.beta, s.gamma, s.alpha}, c == centring::C ? centring::B : c};
    case 2:
      return {{s.c, s.a, s.b, s.gamma, s.alpha, s.beta}, c == centring::C ? centring::A : c};
    default:
      return {s, c};
  }
}

cell rounded(const cell& c, int decimals) {
  const double scale = std::pow(10.0, decimals);
  auto r = [&](double x) { return std::round(x * scale) / scale; };
  return {r(c.a), r(c.b), r(c.c), r(c.alpha), r(c.beta), r(c.gamma)};
}

fraction_matrix fractions_of(const rational_matrix& m) {
  return normalised({m.num, m.den});
}

fraction_matrix fractions_of(const imat3& m) {
  fraction_matrix f;
  for (int i = 0; i < 9; ++i) f.num[i] = m[i];
  return f;
}

fraction_matrix product(const fraction_matrix& x, const fraction_matrix& y) {
  return normalised({multiply(x.num, y.num), x.den * y.den});
}

fraction_matrix inverse_of(const fraction_matrix& m) {
  // (N/d)⁻¹ = d adj(N) / det(N)
  const std::array<long long, 9> adj = adjugate(m.num);
  fraction_matrix r;
  for (int i = 0; i < 9; ++i) r.num[i] = m.den * adj[i];
  r.den = determinant(m.num);
  if (r.den == 0) throw std::logic_error("singular matrix");
  return normalised(r);
}

std::pair<long long, long long> determinant_of(const fraction_matrix& m) {
  long long num = determinant(m.num), den = m.den * m.den * m.den;
  const long long g = std::gcd(std::abs(num), den);
  return {num / g, den / g};
}

double entry(const fraction_matrix& m, int i) {
  return static_cast<double>(m.num[i]) / static_cast<double>(m.den);
}

dmat3 real_of(const fraction_matrix& m) {
  dmat3 r;
  for (int i = 0; i < 9; ++i) r[i] = entry(m, i);
  return r;
}

std::optional<imat3> whole(const fraction_matrix& m) {
  imat3 r;
  for (int i = 0; i < 9; ++i) {
    if (m.num[i] % m.den != 0) return std::nullopt;
    r[i] = static_cast<int>(m.num[i] / m.den);
  }
  return r;
}

fraction_matrix primitive_rows(centring c) {
  switch (c) {
    case centring::P:
      return {};
    case centring::A:
      return {{2, 0, 0, 0, 1, 1, 0, -1, 1}, 2};
    case centring::B:
      return {{1, 0, 1, 0, 2, 0, -1, 0, 1}, 2};
    case centring::C:
      return {{1, 1, 0, -1, 1, 0, 0, 0, 2}, 2};
    case centring::I:
      return {{-1, 1, 1, 1, -1, 1, 1, 1, -1}, 2};
    case centring::F:
      return {{0, 1, 1, 1, 0, 1, 1, 1, 0}, 2};
    case centring::R:
      return {{2, 1, 1, -1, 1, 1, -1, -2, 1}, 3};
  }
  return {};
}

int multiplicity(centring c) {
  return static_cast<int>(sixths(c, false).size()) + 1;
}

cell cell_with_axes(const cell& given, const fraction_matrix& rows) {
  return cell_of(transformed(metric_of(given), real_of(rows)));
}

translations lattice_points_in_cell(const fraction_matrix& rows, centring given) {
  const fraction_matrix inv = inverse_of(rows);
  // Everything over 6 inv.den: the images of the unit rows and of the centring translations.
  const long long den = 6 * inv.den;
  std::vector<std::array<long long, 3>> generators;
  for (int i = 0; i < 3; ++i)
    generators.push_back({6 * inv.num[3 * i], 6 * inv.num[3 * i + 1], 6 * inv.num[3 * i + 2]});
  for (const auto& t : sixths(given, false)) {
    std::array<long long, 3> image{};
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) image[j] += t[k] * inv.num[3 * k + j];
    generators.push_back(image);
  }
  std::set<std::array<long long, 3>> found{{0, 0, 0}};
  std::vector<std::array<long long, 3>> queue{{0, 0, 0}};
  while (!queue.empty()) {
    const auto p = queue.back();
    queue.pop_back();
    for (const auto& g : generators) {
      const std::array<long long, 3> next{modulo(p[0] + g[0], den), modulo(p[1] + g[1], den),
                                          modulo(p[2] + g[2], den)};
      if (found.insert(next).second) queue.push_back(next);
    }
  }
  return canonical(den, found);
}

translations centring_points(centring c, bool reverse) {
  std::set<std::array<long long, 3>> points{{0, 0, 0}};
  for (const auto& t : sixths(c, reverse)) points.insert(t);
  return canonical(6, points);
}

bool contains(const translations& whole_set, const translations& part) {
  const long long den = std::lcm(whole_set.den, part.den);
  for (const auto& p : part.points) {
    const long long scale = den / part.den, back = den / whole_set.den;
    std::array<long long, 3> q{};
    bool representable = true;
    for (int j = 0; j < 3; ++j) {
      if ((p[j] * scale) % back != 0) representable = false;
      q[j] = p[j] * scale / back;
    }
    if (!representable || !std::binary_search(whole_set.points.begin(), whole_set.points.end(), q))
      return false;
  }
  return true;
}

std::optional<named_centring> standard_centring_of(const translations& t) {
  const centring letters[] = {centring::P, centring::A, centring::B, centring::C,
                              centring::I, centring::F, centring::R};
  for (centring c : letters)
    for (bool reverse : {false, true}) {
      if (reverse && c != centring::R) continue;
      if (centring_points(c, reverse) == t) return named_centring{c, reverse};
    }
  return std::nullopt;
}

cell_relation relation_by_definition(const fraction_matrix& rows, centring given,
                                     centring cell_centring) {
  const translations points = lattice_points_in_cell(rows, given);
  const int own = multiplicity(cell_centring);
  if (std::optional<named_centring> named = standard_centring_of(points))
    return {relation_kind::same_lattice, multiplicity(named->type) / own, named->type,
            named->reverse};
  return {relation_kind::superlattice, static_cast<int>(points.points.size()) / own, centring::P,
          false};
}

int holohedry_order_of(bravais_type t) {
  switch (system_of(t)) {
    case lattice_system::triclinic:
      return 2;  // -1
    case lattice_system::monoclinic:
      return 4;  // 2/m
    case lattice_system::orthorhombic:
      return 8;  // mmm
    case lattice_system::rhombohedral:
      return 12;  // -3m
    case lattice_system::tetragonal:
      return 16;  // 4/mmm
    case lattice_system::hexagonal:
      return 24;  // 6/mmm
    case lattice_system::cubic:
      return 48;  // m-3m
  }
  return 0;
}

int space_group_of(bravais_type t) {
  switch (t) {
    case bravais_type::aP:
      return 2;  // P-1
    case bravais_type::mP:
      return 10;  // P2/m
    case bravais_type::mC:
      return 12;  // C2/m
    case bravais_type::oP:
      return 47;  // Pmmm
    case bravais_type::oC:
      return 65;  // Cmmm
    case bravais_type::oF:
      return 69;  // Fmmm
    case bravais_type::oI:
      return 71;  // Immm
    case bravais_type::tP:
      return 123;  // P4/mmm
    case bravais_type::tI:
      return 139;  // I4/mmm
    case bravais_type::hR:
      return 166;  // R-3m
    case bravais_type::hP:
      return 191;  // P6/mmm
    case bravais_type::cP:
      return 221;  // Pm-3m
    case bravais_type::cF:
      return 225;  // Fm-3m
    case bravais_type::cI:
      return 229;  // Im-3m
  }
  return 0;
}

}  // namespace lattice_test
