// The analysis as a whole: the input lattice's metric subgroups, then its derivative lattices.
#include "lattice/analysis.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/bravais_setting.hpp"
#include "lattice/derivative_lattices.hpp"
#include "lattice/lattice_entry.hpp"
#include "lattice/metric.hpp"
#include "lattice/metric_subgroups.hpp"
#include "lattice/reduction.hpp"
#include "lattice/two_folds.hpp"

namespace lattice {

namespace {

void check(const analysis_options& options) {
  if (!is_delta_limit(options.delta_limit))
    throw lattice_error("the delta limit must be a number of degrees above 0 and at most 45");
  if (options.max_index < 1 || options.max_index > kLargestIndex)
    throw lattice_error("the largest index must be a whole number from 1 to 10");
}

}  // namespace

bool is_delta_limit(double degrees) {
  return degrees > 0 && degrees <= kLargestDeltaLimit;
}

analysis analyse(const cell& input, const analysis_options& options) {
  check(options);
  analysis result;
  result.input = input;
  result.centring_type = options.centring_type;
  result.delta_limit = options.delta_limit;
  reduced_basis reduced = reduce_cell(input, options.centring_type);
  // From the cell itself: the metric loses the volume of a nearly flat cell.
  result.input_volume = cell_volume(input);
  result.reduced = cell_of(reduced.metric);
  result.reduced_matrix = reduced.basis;
  std::vector<imat3> rotations = lattice_rotation_group(reduced.metric, options.delta_limit);
  for (const metric_subgroup& s : metric_subgroups(reduced.metric, rotations))
    result.lattices.push_back(entry_of(s, reduced, identity3<imat3>(), 1));
  for (int index = 2; index <= options.max_index; ++index)
    for (lattice_entry& e : derivative_entries(reduced, rotations, index, options.delta_limit))
      result.lattices.push_back(std::move(e));
  return result;
}

basis_verdict judge_basis(const cell& input, const analysis_options& options, const imat3& rows) {
  check(options);
  for (int x : rows)
    if (x < -kLargestBasisEntry || x > kLargestBasisEntry)
      throw lattice_error("basis entries must be whole numbers from -100 to 100");
  if (determinant(rows) == 0)
    throw lattice_error("the basis vectors are coplanar: their determinant is 0");
  dmat3 g_input = metric_of(input);
  reduced_basis reduced = reduce_cell(input, options.centring_type);
  // The vectors in the reduced basis of the input lattice; integers, as they are lattice vectors.
  rational_matrix in_reduced = multiply(rational_matrix::from_int(rows), inverse(reduced.basis));
  if (!in_reduced.is_integer())
    throw lattice_error("the basis vectors are not all vectors of the lattice");
  const imat3 h = in_reduced.whole();
  basis_verdict v;
  v.spanned = cell_of(transformed(g_input, rows));
  v.volume_ratio = std::abs(determinant(rows));
  v.relation = relation_of(h);
  // A cell of the input lattice names the input lattice's type; a superlattice its own.
  const metric_subgroup named =
      v.relation.kind == relation_kind::same_lattice
          ? lattice_holohedry(reduced.metric,
                              lattice_rotation_group(reduced.metric, options.delta_limit))
          : derivative_lattice_of(reduced.metric, h, options.delta_limit).holohedry;
  v.bravais = named.setting.type;
  v.delta = named.delta;
  return v;
}

}  // namespace lattice
