// Cell geometry. Every named intermediate is a stored real, rounded when it is assigned.
#include "mathhkl/geometry.hpp"

#include <cmath>

namespace mathhkl {
namespace {

struct cosines {
  real48 ca, cb, cg;
};

cosines cosines_of(const real48& alpha, const real48& beta, const real48& gamma,
                   long double radians_per_degree) {
  return {std::cos(alpha * radians_per_degree), std::cos(beta * radians_per_degree),
          std::cos(gamma * radians_per_degree)};
}

long double closure(const cosines& k) {
  return cosine_closure(k.ca, k.cb, k.cg);
}

const platform::error cell_does_not_close() {
  return platform::error("The cell has no volume: its angles do not close");
}

}  // namespace

long double cosine_closure(long double ca, long double cb, long double cg) {
  return ((1.0L - ca * ca) - cb * cb) - cg * cg + ((ca * 2.0L) * cb) * cg;
}

real48 cell_volume(const real48& a, const real48& b, const real48& c, const real48& alpha,
                   const real48& beta, const real48& gamma, long double radians_per_degree) {
  const cosines k = cosines_of(alpha, beta, gamma, radians_per_degree);
  const real48 d = closure(k);
  if (d < 0.0L) throw platform::error("Invalid floating point operation");
  return real48(std::sqrt(d) * ((a * b) * c));
}

void compute_cell_geometry(cell_state& state) {
  const auto& [a, b, c, alpha, beta, gamma] = state.cell;
  const cosines k = cosines_of(alpha, beta, gamma, kRadiansPerDegree);
  const real48 sa = std::sin(alpha * kRadiansPerDegree);
  const real48 sb = std::sin(beta * kRadiansPerDegree);
  const real48 sg = std::sin(gamma * kRadiansPerDegree);
  const real48 d = closure(k);
  if (!(d > 0.0L) || sa == 0.0L || sb == 0.0L || sg == 0.0L || c == 0.0L) {
    throw cell_does_not_close();
  }
  const real48 v = std::sqrt(d) * ((a * b) * c);
  if (v == 0.0L) throw cell_does_not_close();

  // Reciprocal lengths and the cosines of beta* and gamma*.
  const real48 a_star = ((b * c) * sa) / v;
  const real48 b_star = ((a * c) * sb) / v;
  const real48 c_star = ((a * b) * sg) / v;
  const real48 cos_beta_star = (k.ca * k.cg - k.cb) / (sa * sg);
  const real48 cos_gamma_star = (k.cb * k.ca - k.cg) / (sb * sa);
  if (std::fabs(cos_beta_star) > 1.0L || std::fabs(cos_gamma_star) > 1.0L) {
    throw cell_does_not_close();
  }
  const real48 beta_star = arc_cos(cos_beta_star);
  const real48 gamma_star = arc_cos(cos_gamma_star);

  matrix3 reciprocal{};
  reciprocal[0][0] = a_star;
  reciprocal[0][1] = b_star * cos_gamma_star;
  reciprocal[0][2] = c_star * cos_beta_star;
  reciprocal[1][1] = b_star * std::sin(gamma_star.value());
  reciprocal[1][2] = ((-c_star) * std::sin(beta_star.value())) * k.ca;
  reciprocal[2][2] = 1.0L / c;

  matrix3 metric{};
  metric[0][0] = a * a;
  metric[0][1] = (a * b) * k.cg;
  metric[0][2] = (a * c) * k.cb;
  metric[1][1] = b * b;
  metric[1][2] = (b * c) * k.ca;
  metric[2][2] = c * c;
  metric[1][0] = metric[0][1];
  metric[2][0] = metric[0][2];
  metric[2][1] = metric[1][2];

  mat_mult(reciprocal, metric, state.axes_matrix);
}

}  // namespace mathhkl
