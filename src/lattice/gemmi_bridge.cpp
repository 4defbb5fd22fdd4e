// The only translation unit that includes gemmi.
#include "lattice/gemmi_bridge.hpp"

#include <algorithm>
#include <gemmi/twin.hpp>  // includes cellred.hpp
#include <limits>

namespace lattice::gemmi_bridge {

static_assert(kDenominator == gemmi::Op::DEN);

namespace {

// gemmi keeps basis vectors as columns; the analysis keeps them as rows.
imat3 rows_of(const gemmi::Op::Rot& columns) {
  imat3 rows;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) rows[3 * i + j] = columns[j][i];
  return rows;
}

constexpr long long largest_entry_after(int steps) {
  long long entry = gemmi::Op::DEN;
  for (int i = 0; i < steps; ++i) entry *= 3;
  return entry;
}
static_assert(largest_entry_after(kNiggliSteps) <= std::numeric_limits<int>::max());

}  // namespace

imat3 centred_to_primitive_rows(char centring_letter) {
  return rows_of(gemmi::centred_to_primitive(centring_letter));
}

g6 g6_of(const dmat3& g) {
  return {g[0], g[4], g[8], 2 * g[5], 2 * g[2], 2 * g[1]};
}

niggli_run niggli_steps(const g6& start, double epsilon, int steps) {
  steps = std::clamp(steps, 1, kNiggliSteps);
  gemmi::GruberVector gruber(start);
  gruber.set_change_of_basis(gemmi::Op::identity());
  // gemmi counts a normalisation and a step as one iteration and stops before the step of the
  // last one: steps + 1 iterations take at most `steps` steps.
  const int iterations = gruber.niggli_reduce(epsilon, steps + 1);
  return {rows_of(gruber.change_of_basis->rot), gruber.parameters(), iterations <= steps};
}

const std::vector<two_fold>& reduced_cell_two_folds() {
  static const std::vector<two_fold> table = [] {
    std::vector<two_fold> rows;
    for (const gemmi::impl::TwoFoldData& row : gemmi::impl::TwoFold::table) {
      two_fold t;
      for (int i = 0; i < 9; ++i) t.rotation[i] = row.matrix[i];
      for (int i = 0; i < 3; ++i) {
        t.direct_axis[i] = row.ds_axis[i];
        t.reciprocal_axis[i] = row.rs_axis[i];
      }
      rows.push_back(t);
    }
    return rows;
  }();
  return table;
}

}  // namespace lattice::gemmi_bridge
