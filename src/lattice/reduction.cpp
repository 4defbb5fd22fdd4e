// Centred to primitive, then Niggli reduction with its change of basis (gemmi's algorithms),
// after a greedy reduction for the cells given far from reduced.
#include "lattice/reduction.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "lattice/gemmi_bridge.hpp"
#include "lattice/greedy_reduction.hpp"
#include "lattice/metric.hpp"

namespace lattice {

rational_matrix primitive_basis(centring c) {
  static constexpr char kLetters[] = {'P', 'A', 'B', 'C', 'I', 'F', 'R'};
  rational_matrix rows = rational_matrix::from_int(
      gemmi_bridge::centred_to_primitive_rows(kLetters[static_cast<int>(c)]));
  rows.den = gemmi_bridge::kDenominator;
  rows = normalised(rows);
  // Keep the primitive basis right-handed so that every later determinant is positive.
  if (determinant(rows).first < 0)
    for (auto& x : rows.num) x = -x;
  return rows;
}

namespace {

// The steps of one Niggli pass: gemmi's iteration limit of 1000, as the analysis has always
// used it. A pass that runs out of steps keeps its basis, as it always has; a first pass that
// does has a cell given far from reduced, which then goes the precise way.
constexpr int kNiggliStepLimit = 999;
// The sum of the absolute terms of an entry of M G Mᵀ against the entry: beyond this the double
// rounding of the reduced metric may reach 1e-10 of it, and it is computed again in long double.
constexpr double kLargestCancellation = 1e6;
// In the primitive axes a change of basis within kLargestChangeOfBasisEntry has rows within
// this (the centred axes have entries up to 2 in the primitive ones); checked first, it keeps
// the product with the primitive basis exact.
constexpr long long kLargestRowEntry = 6 * kLargestChangeOfBasisEntry;

[[noreturn]] void overflow() {
  throw lattice_error("the cell's change of basis to its reduced cell has entries beyond " +
                      std::to_string(kLargestChangeOfBasisEntry) + ", too large to carry exactly");
}

double smallest_diagonal(const dmat3& g) {
  return std::min({g[0], g[4], g[8]});
}

dmat3 as_real(const lmat3& m) {
  dmat3 r{};
  for (int i = 0; i < 9; ++i) r[i] = static_cast<double>(m[i]);
  return r;
}

dmat3 absolute(const lmat3& m) {
  dmat3 r{};
  for (int i = 0; i < 9; ++i) r[i] = std::abs(static_cast<double>(m[i]));
  return r;
}

enum class outcome { reduced, not_reduced, overflowed };

struct niggli_pass {
  lmat3 rows;  // the reduced basis in the axes of the pass's metric, right-handed
  outcome result;
};

// gemmi's Niggli reduction of g, run by run, the runs' changes of basis composed in checked 64
// bits; the basis is kept whether or not kNiggliStepLimit steps reach a Niggli cell.
niggli_pass gemmi_niggli(const dmat3& g, double epsilon) {
  gemmi_bridge::g6 state = gemmi_bridge::g6_of(g);
  niggli_pass pass{identity3<lmat3>(), outcome::not_reduced};
  for (int steps = 0; steps < kNiggliStepLimit && pass.result == outcome::not_reduced;
       steps += gemmi_bridge::kNiggliSteps) {
    const gemmi_bridge::niggli_run run = gemmi_bridge::niggli_steps(
        state, epsilon, std::min(gemmi_bridge::kNiggliSteps, kNiggliStepLimit - steps));
    lmat3 run_rows;
    for (int i = 0; i < 9; ++i) run_rows[i] = run.rows[i] / gemmi_bridge::kDenominator;
    if (steps == 0) {
      pass.rows = run_rows;  // most passes end in their first run
    } else {
      const std::optional<lmat3> rows = checked_product(run_rows, pass.rows);
      if (!rows) return {pass.rows, outcome::overflowed};
      pass.rows = *rows;
    }
    state = run.reached;
    if (run.reduced) pass.result = outcome::reduced;
  }
  const std::optional<long long> det = checked_determinant(pass.rows);
  if (!det) return {pass.rows, outcome::overflowed};
  if (*det < 0)
    for (long long& x : pass.rows) x = -x;
  return pass;
}

struct integer_reduction {
  dmat3 metric;
  lmat3 rows;  // the reduced axes in the axes that were reduced
};

// How many times the terms of the reduced metric outweigh it: the factor by which its double
// rounding is amplified.
double cancellation(const dmat3& g, const lmat3& rows, const dmat3& reduced) {
  dmat3 g_abs = g;
  for (double& x : g_abs) x = std::abs(x);
  const dmat3 terms = transformed(g_abs, absolute(rows));
  double worst = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      worst = std::max(worst, terms[3 * i + j] / std::sqrt(reduced[4 * i] * reduced[4 * j]));
  return worst;
}

// The way every ordinary cell goes: the epsilon of the Niggli conditions must be small against
// the shortest lattice vector, which the given basis may hide, so a first pass with a tiny one
// finds it and a second decides the boundary cases with 1e-5 of its squared length
// (Grosse-Kunstleve et al. 2004). Nothing when the cell needs the precise way.
std::optional<integer_reduction> quick_reduction(const dmat3& g) {
  const niggli_pass rough = gemmi_niggli(g, 1e-12 * smallest_diagonal(g));
  if (rough.result != outcome::reduced) return std::nullopt;
  // The metric is recomputed from the basis rather than taken from the Gruber vector, so that
  // cell and change of basis agree exactly.
  const dmat3 g_rough = transformed(g, as_real(rough.rows));
  const niggli_pass fine = gemmi_niggli(g_rough, 1e-5 * smallest_diagonal(g_rough));
  if (fine.result == outcome::overflowed) return std::nullopt;
  const std::optional<lmat3> rows = checked_product(fine.rows, rough.rows);
  if (!rows) return std::nullopt;
  integer_reduction r{transformed(g_rough, as_real(fine.rows)), *rows};
  if (!(cancellation(g, r.rows, r.metric) <= kLargestCancellation)) return std::nullopt;
  return r;
}

// The way of a cell given far from reduced, or nearly flat: greedy reduction with whole
// multiples, then the same two passes, with every metric computed from the long double one.
integer_reduction precise_reduction(const ldmat3& g) {
  std::optional<lmat3> rows = greedy_reduced(g);
  if (!rows) overflow();
  for (double relative_epsilon : {1e-12, 1e-5}) {
    const dmat3 current = rounded(transformed(g, *rows));
    const niggli_pass pass = gemmi_niggli(current, relative_epsilon * smallest_diagonal(current));
    if (pass.result == outcome::overflowed) overflow();
    rows = checked_product(pass.rows, *rows);
    if (!rows) overflow();
  }
  const std::optional<long long> det = checked_determinant(*rows);
  if (!det) overflow();
  if (*det < 0)
    for (long long& x : *rows) x = -x;
  return {rounded(transformed(g, *rows)), *rows};
}

reduced_basis reduce(const dmat3& g, const std::function<ldmat3()>& precise_metric) {
  std::optional<integer_reduction> r = quick_reduction(g);
  if (!r) r = precise_reduction(precise_metric());
  rational_matrix basis;
  for (int i = 0; i < 9; ++i) {
    if (r->rows[i] > kLargestRowEntry || r->rows[i] < -kLargestRowEntry) overflow();
    basis.num[i] = r->rows[i];
  }
  return {r->metric, basis};
}

double largest_entry(const rational_matrix& m) {
  double largest = 0;
  for (int i = 0; i < 9; ++i) largest = std::max(largest, std::abs(m.at(i)));
  return largest;
}

// The change of basis and its inverse within kLargestChangeOfBasisEntry. Its numerators are
// within kLargestRowEntry times its denominator (at most 3), so the inverse is formed exactly.
void check_carried(const rational_matrix& basis) {
  const double largest = largest_entry(basis);
  if (largest > kLargestChangeOfBasisEntry) overflow();
  // inverse = adj(num)·den / det(num) with |det(num)| ≥ 1: entries within 2·largest²·den³.
  const double den = static_cast<double>(basis.den);
  if (2 * largest * largest * den * den * den <= kLargestChangeOfBasisEntry) return;
  if (largest_entry(inverse(basis)) > kLargestChangeOfBasisEntry) overflow();
}

}  // namespace

reduced_basis niggli_reduce(const dmat3& g) {
  reduced_basis r = reduce(g, [&] {
    ldmat3 wide{};
    for (int i = 0; i < 9; ++i) wide[i] = g[i];
    return wide;
  });
  check_carried(r.basis);
  return r;
}

reduced_basis reduce_cell(const cell& c, centring centring_type) {
  dmat3 g = metric_of(c);
  rational_matrix to_primitive = primitive_basis(centring_type);
  reduced_basis reduced = reduce(transformed(g, to_primitive.to_real()), [&] {
    ldmat3 primitive = transformed(precise_metric_of(c), to_primitive.num);
    const long double den = static_cast<long double>(to_primitive.den);
    for (long double& x : primitive) x /= den * den;
    return primitive;
  });
  reduced.basis = multiply(reduced.basis, to_primitive);
  check_carried(reduced.basis);
  // The volume survives the reduction unless the metric's rounding ate it.
  if (!(smallest_diagonal(reduced.metric) > 0) || !(determinant(reduced.metric) > 0))
    throw lattice_error(kNoVolume);
  if (std::sqrt(smallest_diagonal(reduced.metric)) < kShortestEdge)
    throw lattice_error("the cell's lattice has a vector shorter than 0.001 angstroms");
  return reduced;
}

}  // namespace lattice
