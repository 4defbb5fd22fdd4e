// The three recognisers share their tests, not their order nor their outcomes when nothing
// fits. All tolerance tests are strict: a difference equal to its tolerance neither fits nor
// misfits.
#include "mathhkl/recognition.hpp"

#include <cmath>
#include <optional>
#include <utility>

namespace mathhkl {
namespace {

struct metric_tests {
  long double a, b, c, alpha, beta, gamma;
  tolerances tol;

  long double dab() const { return std::fabs(a - b); }
  long double dbc() const { return std::fabs(b - c); }
  long double dca() const { return std::fabs(c - a); }
  bool fits(long double d) const { return d < tol.param; }
  bool misfits(long double d) const { return d > tol.param; }
  bool angle_fits(long double d) const { return d < tol.angle; }
  bool right(long double x) const { return std::fabs(x - 90.0L) < tol.angle; }
  bool wide(long double x) const { return std::fabs(x - 90.0L) > tol.angle; }
  bool hex(long double x) const { return std::fabs(x - 120.0L) < tol.angle; }

  bool all_right() const { return right(alpha) && right(beta) && right(gamma); }
  bool equal_edges() const { return fits(dab()) && fits(dbc()) && fits(dca()); }
  bool equal_angles() const {
    return angle_fits(std::fabs(alpha - beta)) && angle_fits(std::fabs(beta - gamma)) &&
           angle_fits(std::fabs(gamma - alpha));
  }
  bool rhombohedral() const { return equal_edges() && equal_angles(); }
  bool monoclinic() const { return right(alpha) && wide(beta) && right(gamma); }

  // The right-angle branch: cubic, tetragonal (a = b != c) or orthorhombic; none otherwise.
  std::optional<crystal_system> right_angle_system() const {
    if (equal_edges()) return crystal_system::cubic;
    if (fits(dab()) && misfits(dbc())) return crystal_system::tetragonal;
    if (misfits(dab()) && misfits(dbc())) return crystal_system::orthorhombic;
    return std::nullopt;
  }
};

metric_tests tests_of(std::span<const real48, 6> v, tolerances tol) {
  return {v[0], v[1], v[2], v[3], v[4], v[5], tol};
}

tolerances tolerances_of(const cell_state& state) {
  return {state.tol_param, state.tol_angle};
}

// Outside the right-angle branch: hexagonal, rhombohedral, monoclinic, else triclinic. The
// summary reader asks b = c of a hexagonal cell as well.
crystal_system oblique_system(const metric_tests& t, bool hexagonal_needs_b_equal_c) {
  const bool hexagonal = t.fits(t.dab()) && (!hexagonal_needs_b_equal_c || t.fits(t.dbc())) &&
                         t.right(t.alpha) && t.right(t.beta) && t.hex(t.gamma);
  if (hexagonal) return crystal_system::hexagonal;
  if (t.rhombohedral()) return crystal_system::rhombohedral;
  return t.monoclinic() ? crystal_system::monoclinic : crystal_system::triclinic;
}

void set_code(cell_state& state, crystal_system system) {
  state.system_code = std::string(info_of(system).code);
}

}  // namespace

void recognise_cell_system(cell_state& state) {
  const metric_tests t = tests_of(state.cell, tolerances_of(state));
  if (t.all_right()) {
    if (auto system = t.right_angle_system()) set_code(state, *system);
    return;
  }
  set_code(state, oblique_system(t, false));
}

void recognise_sum_system(std::span<real48, 6> values, cell_state& state) {
  const metric_tests t = tests_of(values, tolerances_of(state));
  if (t.all_right()) {
    auto system = t.right_angle_system();
    if (!system) return;
    set_code(state, *system);
    if (*system == crystal_system::orthorhombic && t.fits(t.dca())) {
      // a = c != b: tetragonal, equal edges first
      set_code(state, crystal_system::tetragonal);
      std::swap(values[1], values[2]);
    }
    return;
  }
  set_code(state, oblique_system(t, true));
}

candidate_system classify_cell(const real48& a, const real48& b, const real48& c,
                               const real48& alpha, const real48& beta, const real48& gamma,
                               tolerances tol) {
  const metric_tests t{a, b, c, alpha, beta, gamma, tol};
  constexpr crystal_system none = crystal_system::triclinic;
  crystal_system system = none;
  if (t.all_right()) system = t.right_angle_system().value_or(none);
  if (system == none) system = oblique_system(t, false);
  if (system == none) return {"", none};
  return {info_of(system).code, system};
}

}  // namespace mathhkl
