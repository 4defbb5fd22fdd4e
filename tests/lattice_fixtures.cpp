// Test lattices built from their conventional cells.
#include "lattice_fixtures.hpp"

#include <sstream>

#include "lattice/metric.hpp"
#include "lattice/reduction.hpp"

namespace lattice_test {

using namespace lattice;

const std::vector<bravais_example>& bravais_examples() {
  // Subgroup counts: every subgroup of the rotation group that is a holohedry, conjugates apart
  // (e.g. m-3m: itself, 3 tetragonal, 4 rhombohedral, 1 + 3 orthorhombic, 3 + 6 monoclinic, 1).
  static const std::vector<bravais_example> examples = {
      {bravais_type::aP, {5.1, 6.3, 7.2, 81.3, 95.7, 102.4}, centring::P, 1},
      {bravais_type::mP, {5.1, 6.3, 7.2, 90, 103.5, 90}, centring::P, 2},
      {bravais_type::mC, {9.7, 6.3, 5.2, 90, 104.8, 90}, centring::C, 2},
      {bravais_type::oP, {4.7, 5.9, 8.3, 90, 90, 90}, centring::P, 5},
      {bravais_type::oC, {4.7, 8.9, 6.1, 90, 90, 90}, centring::C, 5},
      {bravais_type::oI, {4.7, 5.9, 8.3, 90, 90, 90}, centring::I, 5},
      {bravais_type::oF, {4.7, 5.9, 8.3, 90, 90, 90}, centring::F, 5},
      {bravais_type::tP, {4.7, 4.7, 6.4, 90, 90, 90}, centring::P, 9},
      {bravais_type::tI, {4.7, 4.7, 9.1, 90, 90, 90}, centring::I, 9},
      {bravais_type::hR, {5.3, 5.3, 11.9, 90, 90, 120}, centring::R, 5},
      {bravais_type::hP, {5.3, 5.3, 7.7, 90, 90, 120}, centring::P, 12},
      {bravais_type::cP, {4.3, 4.3, 4.3, 90, 90, 90}, centring::P, 22},
      {bravais_type::cF, {5.6, 5.6, 5.6, 90, 90, 90}, centring::F, 22},
      {bravais_type::cI, {3.3, 3.3, 3.3, 90, 90, 90}, centring::I, 22},
  };
  return examples;
}

cell primitive_setting(const cell& conventional, centring c, const imat3& rows) {
  dmat3 g = transformed(metric_of(conventional), primitive_basis(c).to_real());
  return cell_of(transformed(g, rows));
}

imat3 random_unimodular(std::mt19937& random) {
  std::uniform_int_distribution<int> entry(-2, 2);
  for (;;) {
    imat3 m;
    for (int& x : m) x = entry(random);
    if (determinant(m) == 1) return m;
  }
}

cell perturbed(const cell& c, double relative, double degrees, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(-1, 1);
  return {c.a * (1 + relative * unit(random)), c.b * (1 + relative * unit(random)),
          c.c * (1 + relative * unit(random)), c.alpha + degrees * unit(random),
          c.beta + degrees * unit(random),     c.gamma + degrees * unit(random)};
}

std::string describe(const cell& c) {
  std::ostringstream text;
  text.precision(10);
  text << c.a << ' ' << c.b << ' ' << c.c << ' ' << c.alpha << ' ' << c.beta << ' ' << c.gamma;
  return text.str();
}

}  // namespace lattice_test
