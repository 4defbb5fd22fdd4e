// The cell fit as a gemmi LevMar target: values are calculated 2θ, derivatives by central
// differences (the model is a few lines of closed form, its analytic derivatives not worth it).
#include "pattern/refinement.hpp"

#include <cmath>
#include <gemmi/levmar.hpp>
#include <stdexcept>

#include "lattice/metric.hpp"
#include "pattern/cell_constraints.hpp"
#include "pattern/diffraction.hpp"

namespace pattern {

namespace {

struct observation {
  double two_theta = 0;
  double get_y() const { return two_theta; }
  double get_weight() const { return 1; }
};

struct cell_fit {
  lattice::bravais_type type;
  lattice::cell fixed;
  double wavelength = 0;
  bool refine_zero = false;
  std::vector<double> parameters;  // the free cell parameters, then the zero shift if refined
  std::vector<lattice::ivec3> hkl;
  std::vector<observation> points;

  std::vector<double> get_parameters() const { return parameters; }
  void set_parameters(const std::vector<double>& p) { parameters = p; }

  // NaN for parameters that make no cell, which LevMar then takes as a worse fit.
  std::vector<double> values_at(const std::vector<double>& p) const {
    std::vector<double> out(hkl.size(), std::nan(""));
    const std::size_t cell_count = p.size() - (refine_zero ? 1 : 0);
    const std::vector<double> free(p.begin(), p.begin() + static_cast<long>(cell_count));
    const double zero = refine_zero ? p.back() : 0;
    try {
      const lattice::dmat3 g_inv =
          lattice::inverse(lattice::metric_of(constrained_cell(type, free, fixed)));
      for (std::size_t i = 0; i < hkl.size(); ++i)
        out[i] = two_theta_of_q(lattice::reciprocal_length_sq(g_inv, hkl[i]), wavelength) + zero;
    } catch (const lattice::lattice_error&) {
    }
    return out;
  }
  std::vector<double> compute_values() const { return values_at(parameters); }

  void compute_values_and_derivatives(std::size_t start, std::size_t count, std::vector<double>& yy,
                                      std::vector<double>& dy_da) const {
    const std::size_t n = parameters.size();
    const std::vector<double> y = compute_values();
    for (std::size_t i = 0; i < count; ++i) yy[i] = y[start + i];
    for (std::size_t k = 0; k < n; ++k) {
      std::vector<double> up = parameters, down = parameters;
      const double step = 1e-6 * std::max(std::abs(parameters[k]), 1.0);
      up[k] += step;
      down[k] -= step;
      const std::vector<double> y_up = values_at(up), y_down = values_at(down);
      for (std::size_t i = 0; i < count; ++i)
        dy_da[i * n + k] = (y_up[start + i] - y_down[start + i]) / (2 * step);
    }
  }
};

// (JᵀJ)⁻¹ column by column with gemmi's Gauss–Jordan solver; throws for a singular matrix.
std::vector<double> inverse_normal_matrix(const cell_fit& fit) {
  const std::size_t n = fit.parameters.size(), m = fit.points.size();
  std::vector<double> y(m), j(m * n);
  fit.compute_values_and_derivatives(0, m, y, j);
  std::vector<double> normal(n * n, 0.0);
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t r = 0; r < n; ++r)
      for (std::size_t c = 0; c < n; ++c) normal[r * n + c] += j[i * n + r] * j[i * n + c];
  std::vector<double> inverse(n * n);
  for (std::size_t c = 0; c < n; ++c) {
    std::vector<double> a = normal, unit(n, 0.0);
    unit[c] = 1;
    gemmi::jordan_solve(a, unit);
    for (std::size_t r = 0; r < n; ++r) inverse[r * n + c] = unit[r];
  }
  return inverse;
}

}  // namespace

std::optional<refined_cell> refine_cell(const indexed_pattern& indexed, lattice::bravais_type t,
                                        const lattice::cell& start, const indexing_options& options,
                                        bool refine_zero) {
  cell_fit fit{t, start, options.wavelength, refine_zero, free_parameters(t, start), {}, {}};
  if (refine_zero) fit.parameters.push_back(options.zero_shift);
  const double fixed_zero = refine_zero ? 0 : options.zero_shift;
  for (std::size_t i = 0; i < indexed.match.size(); ++i) {
    if (!indexed.match[i]) continue;
    fit.hkl.push_back(indexed.calculated[*indexed.match[i]].hkl);
    // Back to the observed 2θ; a zero shift that is not refined stays subtracted.
    fit.points.push_back({indexed.observed_two_theta[i] + options.zero_shift - fixed_zero});
  }
  const std::size_t n = fit.parameters.size(), m = fit.points.size();
  if (m <= n) return std::nullopt;
  gemmi::LevMar levmar;
  levmar.stop_rel_change = 1e-10;
  std::vector<double> covariance;
  // gemmi's solver fails (std::runtime_error) on a singular or non-finite normal matrix, which a
  // fit drifting to a cell without volume can reach in its steps as well as at its end.
  try {
    levmar.fit(fit);
    covariance = inverse_normal_matrix(fit);
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
  refined_cell out;
  const std::vector<double> y = fit.compute_values();
  double residual = 0;  // Σ(2θ_obs − 2θ_calc)², degrees²
  for (std::size_t i = 0; i < m; ++i) residual += std::pow(fit.points[i].two_theta - y[i], 2);
  const double variance = residual / static_cast<double>(m - n);
  std::vector<double> esd(n);
  for (std::size_t k = 0; k < n; ++k) {
    esd[k] = std::sqrt(std::max(0.0, covariance[k * n + k] * variance));
    if (!std::isfinite(esd[k]) || !std::isfinite(fit.parameters[k])) return std::nullopt;
  }
  const std::vector<double> cell_part(
      fit.parameters.begin(),
      fit.parameters.begin() + static_cast<long>(n - (refine_zero ? 1 : 0)));
  out.cell = constrained_cell(t, cell_part, start);
  const std::array<int, 6> pattern = constraint_pattern(t);
  for (int k = 0; k < 6; ++k)
    if (pattern[k] >= 0) out.esd[k] = esd[static_cast<std::size_t>(pattern[k])];
  out.zero_shift = refine_zero ? fit.parameters.back() : options.zero_shift;
  if (refine_zero) out.zero_esd = esd.back();
  out.lines_used = static_cast<int>(m);
  return out;
}

}  // namespace pattern
