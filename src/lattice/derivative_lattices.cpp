// Derivative lattices: each class of sub-lattices reduced and its symmetry compared with the
// parent's.
#include "lattice/derivative_lattices.hpp"

#include <algorithm>

#include "lattice/checked_matrix.hpp"
#include "lattice/lattice_entry.hpp"
#include "lattice/metric.hpp"
#include "lattice/sublattices.hpp"
#include "lattice/two_folds.hpp"

namespace lattice {

namespace {

// The sub-lattice's rotation W (on its own reduced coordinates) on the parent's coordinates:
// Nᵀ W Nᵀ⁻¹, with N the rows of the sub-lattice's basis; nothing unless it is integral.
std::optional<imat3> in_parent_axes(const imat3& w, const imat3& n) {
  // In 64 bits: the adjugate of a sub-lattice of large index has large entries.
  lmat3 nt, wl;
  for (int i = 0; i < 9; ++i) nt[i] = n[3 * (i % 3) + i / 3], wl[i] = w[i];
  long long det = determinant(nt);
  lmat3 scaled = multiply(multiply(nt, wl), adjugate(nt));
  imat3 result;
  for (int i = 0; i < 9; ++i) {
    if (scaled[i] % det != 0) return std::nullopt;
    result[i] = static_cast<int>(scaled[i] / det);
  }
  return result;
}

}  // namespace

derivative_lattice derivative_lattice_of(const dmat3& g, const imat3& h, double max_delta,
                                         std::vector<imat3> parent_rotations) {
  reduced_basis reduced = niggli_reduce(transformed(g, h));
  // Niggli bases of a sub-lattice are integral in its own (HNF) rows, so also in the parent's.
  rational_matrix rows = multiply(reduced.basis, rational_matrix::from_int(h));
  const imat3 in_parent = rows.whole();
  std::vector<imat3> rotations = lattice_rotation_group(reduced.metric, max_delta);
  return {in_parent,
          {reduced.metric, rows},
          std::move(parent_rotations),
          lattice_holohedry(reduced.metric, rotations)};
}

bool symmetry_within_parent(const derivative_lattice& d) {
  return std::all_of(
      d.holohedry.rotations.begin(), d.holohedry.rotations.end(), [&](const imat3& w) {
        std::optional<imat3> p = in_parent_axes(w, d.in_parent);
        return p && std::find(d.parent_rotations.begin(), d.parent_rotations.end(), *p) !=
                        d.parent_rotations.end();
      });
}

std::vector<lattice_entry> derivative_entries(const reduced_basis& parent,
                                              const std::vector<imat3>& parent_rotations, int index,
                                              double max_delta) {
  std::vector<lattice_entry> entries;
  for (const imat3& h : sublattice_classes(index, parent_rotations)) {
    derivative_lattice d = derivative_lattice_of(parent.metric, h, max_delta, parent_rotations);
    if (symmetry_within_parent(d)) continue;
    // The sub-lattice's reduced axes in the input axes.
    reduced_basis in_input{d.reduced.metric,
                           multiply(rational_matrix::from_int(d.in_parent), parent.basis)};
    entries.push_back(entry_of(d.holohedry, in_input, d.in_parent, index));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const lattice_entry& x, const lattice_entry& y) {
                     return symmetry_rank(x.bravais, x.delta) < symmetry_rank(y.bravais, y.delta);
                   });
  return entries;
}

}  // namespace lattice
