// Cells, deviations and changes of basis of a listed lattice.
#include "lattice/lattice_entry.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/metric.hpp"

namespace lattice {

namespace {

// Obverse rhombohedral axes from hexagonal ones (International Tables A, table 5.1.3.1):
// a_r = (2a+b+c)/3, b_r = (-a+b+c)/3, c_r = (-a-2b+c)/3.
const rational_matrix kHexagonalToRhombohedral{{2, 1, 1, -1, 1, 1, -1, -2, 1}, 3};

void set_deviations(lattice_entry& e) {
  auto x = e.conventional.parameters(), y = e.ideal.parameters();
  for (int i = 0; i < 3; ++i)
    e.length_deviation = std::max(e.length_deviation, std::abs(x[i] - y[i]));
  for (int i = 3; i < 6; ++i)
    e.angle_deviation = std::max(e.angle_deviation, std::abs(x[i] - y[i]));
}

// Of the settings equivalent under the group (C Wᵀ for W in it), the one whose change of basis
// from the input axes is nearest the identity, so that a cell already in its conventional
// setting keeps its axes.
imat3 setting_nearest_input(const metric_subgroup& s, const rational_matrix& lattice_basis) {
  imat3 best = s.setting.basis;
  double best_trace = -1e300;
  for (const imat3& w : s.rotations) {
    imat3 candidate = multiply(s.setting.basis, transpose(w));
    rational_matrix m = multiply(rational_matrix::from_int(candidate), lattice_basis);
    double trace = m.at(0) + m.at(4) + m.at(8);
    if (trace > best_trace) best = candidate, best_trace = trace;
  }
  return best;
}

}  // namespace

lattice_entry entry_of(const metric_subgroup& s, const reduced_basis& lattice,
                       const imat3& in_parent, int index) {
  lattice_entry e;
  e.index = index;
  e.bravais = s.setting.type;
  e.delta = s.delta;
  imat3 setting = setting_nearest_input(s, lattice.basis);
  e.cell_centring = relation_of(setting).centred;
  e.relation = relation_of(multiply(setting, in_parent), e.cell_centring);
  dmat3 basis = to_real(setting);
  e.conventional = cell_of(transformed(lattice.metric, basis));
  e.ideal = cell_of(transformed(s.ideal_metric, basis));
  set_deviations(e);
  e.matrix = multiply(rational_matrix::from_int(setting), lattice.basis);
  auto [num, den] = determinant(e.matrix);
  e.volume_ratio = std::abs(static_cast<double>(num) / static_cast<double>(den));
  if (e.bravais == bravais_type::hR) {
    dmat3 rhombohedral =
        multiply(kHexagonalToRhombohedral, rational_matrix::from_int(setting)).to_real();
    e.rhombohedral = cell_of(transformed(lattice.metric, rhombohedral));
    e.rhombohedral_ideal = cell_of(transformed(s.ideal_metric, rhombohedral));
  }
  return e;
}

cell rhombohedral_axes_cell(const cell& hexagonal) {
  return cell_of(transformed(metric_of(hexagonal), kHexagonalToRhombohedral.to_real()));
}

std::string type_label(const lattice_entry& e) {
  std::string label(bravais_name(e.bravais));
  if (label.back() != centring_name(e.cell_centring).front())
    label += " (" + std::string(centring_name(e.cell_centring)) + " cell)";
  return label;
}

}  // namespace lattice
