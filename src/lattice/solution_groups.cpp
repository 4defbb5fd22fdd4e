// Grouping: every cell prepared once (reduced, typed, its sublattices of index 2 to 4 reduced),
// then each head in order of symmetry takes every remaining cell whose lattice it relates to.
#include "lattice/solution_groups.hpp"

#include <algorithm>
#include <cmath>

#include "lattice/cell_relation.hpp"
#include "lattice/lattice_match.hpp"
#include "lattice/metric.hpp"
#include "lattice/reduction.hpp"
#include "lattice/sublattices.hpp"

namespace lattice {

namespace {

// Volume ratios of related cells are near whole numbers; this only picks which index to try,
// the metric match decides.
constexpr double kVolumeSlack = 0.15;

struct sublattice {
  rational_matrix in_parent;  // rows: its reduced axes in the parent's reduced axes
  dmat3 metric;               // reduced
};

struct prepared {
  solution_type type;
  reduced_basis reduced;  // rows in the cell's own axes
  double volume = 0;
  std::vector<sublattice> sublattices[kLargestGroupIndex + 1];
};

prepared prepare(const numbered_cell& c, const comparison_options& options) {
  prepared p;
  analysis a = analyse(c.input, {centring::P, options.delta_limit, 1});
  p.type = {c.number, c.input, a.lattices.front().bravais, a.lattices.front().delta};
  p.reduced = reduce_cell(c.input, centring::P);
  p.volume = volume_of(p.reduced.metric);
  for (int index = 2; index <= kLargestGroupIndex; ++index)
    for (const imat3& h : sublattice_bases(index)) {
      reduced_basis r = niggli_reduce(transformed(p.reduced.metric, h));
      p.sublattices[index].push_back({multiply(r.basis, rational_matrix::from_int(h)), r.metric});
    }
  return p;
}

// Rows: `big`'s reduced axes in `small`'s, when big's lattice is a sublattice of small's of
// this index (index 1: the same lattice).
std::optional<rational_matrix> reduced_in(const prepared& small, const prepared& big, int index,
                                          const match_tolerance& tolerance) {
  if (index == 1) {
    std::optional<imat3> m = match_metric(small.reduced.metric, big.reduced.metric, tolerance);
    if (!m) return std::nullopt;
    return rational_matrix::from_int(*m);
  }
  for (const sublattice& s : small.sublattices[index])
    if (std::optional<imat3> m = match_metric(s.metric, big.reduced.metric, tolerance))
      return multiply(rational_matrix::from_int(*m), s.in_parent);
  return std::nullopt;
}

// Rows: the cell's own axes in terms of the rows of `reduced_rows` (reduced axes of `cell`).
rational_matrix in_cell_axes(const prepared& member, const rational_matrix& reduced_rows,
                             const prepared& head) {
  return multiply(multiply(inverse(member.reduced.basis), reduced_rows), head.reduced.basis);
}

// A hexagonal cell is obverse or reverse to a rhombohedral lattice depending on which of its
// metrically equal settings the match took; turned by 180° about c, a reverse one is obverse.
rational_matrix obverse(const rational_matrix& m, bool turn_rows) {
  const rational_matrix turn = rational_matrix::from_int({-1, 0, 0, 0, -1, 0, 0, 0, 1});
  return turn_rows ? multiply(turn, m) : multiply(m, turn);
}

std::optional<group_member> relate_or_throw(const prepared& head, const prepared& member,
                                            const match_tolerance& tolerance) {
  const double ratio = member.volume / head.volume;
  for (int index = 1; index <= kLargestGroupIndex; ++index) {
    if (std::abs(ratio - index) <= kVolumeSlack * index) {
      if (std::optional<rational_matrix> x = reduced_in(head, member, index, tolerance)) {
        // The member's axes are vectors of the head's lattice.
        rational_matrix m = in_cell_axes(member, *x, head);
        cell_relation r = relation_of(m.whole());
        if (r.reverse) r = relation_of((m = obverse(m, true)).whole());
        return group_member{member.type.number, r, m, false};
      }
    }
    if (index > 1 && std::abs(1 / ratio - index) <= kVolumeSlack * index) {
      if (std::optional<rational_matrix> x = reduced_in(member, head, index, tolerance)) {
        // The head's axes are vectors of the member's lattice.
        rational_matrix m = in_cell_axes(member, inverse(*x), head);
        cell_relation r = finer_relation(inverse(m).whole());
        if (r.reverse) r = finer_relation(inverse(m = obverse(m, false)).whole());
        return group_member{member.type.number, r, m, r.centred != centring::P};
      }
    }
  }
  return std::nullopt;
}

// Two cells far from reduced can match with a change of basis too large to carry exactly: they
// are left unrelated rather than ending the whole comparison.
std::optional<group_member> relate(const prepared& head, const prepared& member,
                                   const match_tolerance& tolerance) {
  try {
    return relate_or_throw(head, member, tolerance);
  } catch (const lattice_error&) {
    return std::nullopt;
  }
}

bool more_symmetric(const prepared& x, const prepared& y) {
  int ox = holohedry_order(x.type.bravais), oy = holohedry_order(y.type.bravais);
  if (ox != oy) return ox > oy;
  if (x.type.delta != y.type.delta) return x.type.delta < y.type.delta;
  return x.type.number < y.type.number;
}

}  // namespace

std::string member_verdict(const group_member& m) {
  return m.relation.verdict() + (m.head_centred ? " (the head's cell)" : "");
}

bool is_length_tolerance(double relative) {
  return relative > 0 && relative <= kLargestLengthTolerance;
}

solution_comparison compare_solutions(const std::vector<numbered_cell>& cells,
                                      const comparison_options& options) {
  if (!is_length_tolerance(options.length_tolerance))
    throw lattice_error("the relative length tolerance must be above 0 and at most 0.2");
  if (!is_delta_limit(options.delta_limit))
    throw lattice_error("the delta limit must be a number of degrees above 0 and at most 45");
  solution_comparison out;
  std::vector<prepared> usable;
  for (const numbered_cell& c : cells) {
    try {
      usable.push_back(prepare(c, options));
      out.solutions.push_back(usable.back().type);
    } catch (const lattice_error& e) {
      out.unusable.push_back({c.number, c.line, e.what()});
    }
  }
  std::vector<const prepared*> order;
  for (const prepared& p : usable) order.push_back(&p);
  std::sort(order.begin(), order.end(),
            [](const prepared* x, const prepared* y) { return more_symmetric(*x, *y); });
  const match_tolerance tolerance{options.length_tolerance, options.delta_limit};
  std::vector<bool> taken(order.size(), false);
  for (size_t h = 0; h < order.size(); ++h) {
    if (taken[h]) continue;
    taken[h] = true;
    solution_group group{order[h]->type.number, {}};
    for (size_t m = h + 1; m < order.size(); ++m) {
      if (taken[m]) continue;
      if (std::optional<group_member> g = relate(*order[h], *order[m], tolerance)) {
        taken[m] = true;
        group.members.push_back(std::move(*g));
      }
    }
    std::sort(group.members.begin(), group.members.end(),
              [](const group_member& x, const group_member& y) { return x.number < y.number; });
    out.groups.push_back(std::move(group));
  }
  return out;
}

}  // namespace lattice
