// The analysis's entries and a summary's solutions weighed against one line list.
#include "pattern/evidence.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pattern {

cell_to_weigh entry_to_weigh(const lattice::lattice_entry& e, const indexed_pattern& input) {
  const bool super = e.relation.kind == lattice::relation_kind::superlattice;
  return {e.ideal, e.conventional, e.cell_centring, e.bravais, super ? &input : nullptr};
}

std::vector<bool> superstructure_flags(const std::vector<observed_line>& lines,
                                       const cell_to_weigh& c, const indexing_options& options) {
  if (!c.lattice_lines) return std::vector<bool>(lines.size(), false);
  return lines_indexed_only_by(index_pattern(lines, c.exact, c.centred, options), *c.lattice_lines);
}

namespace {

line_evidence line_evidence_of(const std::vector<observed_line>& lines, const cell_to_weigh& c,
                               const indexing_options& options) {
  line_evidence out{index_pattern(lines, c.cell, c.centred, options), {}, 0};
  out.figures = figures_of(out.indexed);
  const std::vector<bool> flags = superstructure_flags(lines, c, options);
  out.superstructure_lines = static_cast<int>(std::count(flags.begin(), flags.end(), true));
  return out;
}

}  // namespace

cell_evidence weigh(const std::vector<observed_line>& lines, const cell_to_weigh& c,
                    const evidence_options& options) {
  cell_evidence out{line_evidence_of(lines, c, options.indexing), std::nullopt, std::nullopt};
  if (!options.refine) return out;
  out.refined =
      refine_cell(out.lines.indexed, c.type, c.cell, options.indexing, options.refine_zero);
  if (!out.refined) return out;
  cell_to_weigh refined = c;
  refined.cell = out.refined->cell;
  refined.lattice_lines = nullptr;
  indexing_options shifted = options.indexing;
  shifted.zero_shift = out.refined->zero_shift;
  try {
    out.refined_lines = line_evidence_of(lines, refined, shifted);
  } catch (const pattern_error&) {
    // A fit that the lines do not hold (overlaps only) can run to a cell of no use.
    out.refined.reset();
    return out;
  }
  out.refined_lines->superstructure_lines = out.lines.superstructure_lines;
  return out;
}

std::vector<cell_evidence> weigh_analysis(const lattice::analysis& a,
                                          const std::vector<observed_line>& lines,
                                          const evidence_options& options) {
  return weigh_analysis(a, lines, options,
                        index_pattern(lines, a.input, a.centring_type, options.indexing));
}

std::vector<cell_evidence> weigh_analysis(const lattice::analysis& a,
                                          const std::vector<observed_line>& lines,
                                          const evidence_options& options,
                                          const indexed_pattern& input) {
  std::vector<cell_evidence> out;
  for (const lattice::lattice_entry& e : a.lattices)
    out.push_back(weigh(lines, entry_to_weigh(e, input), options));
  return out;
}

std::vector<cell_evidence> weigh_solutions(const lattice::solution_comparison& c,
                                           const std::vector<observed_line>& lines,
                                           const evidence_options& options) {
  evidence_options plain = options;
  plain.refine = false;
  std::vector<cell_evidence> out;
  for (const lattice::solution_type& s : c.solutions)
    out.push_back(
        weigh(lines, {s.input, s.input, lattice::centring::P, s.bravais, nullptr}, plain));
  auto position = [&](int number) {
    for (std::size_t i = 0; i < c.solutions.size(); ++i)
      if (c.solutions[i].number == number) return i;
    return c.solutions.size();
  };
  for (const lattice::solution_group& g : c.groups) {
    const std::size_t head = position(g.head);
    for (const lattice::group_member& m : g.members) {
      const std::size_t member = position(m.number);
      if (m.relation.kind != lattice::relation_kind::superlattice || head == c.solutions.size() ||
          member == c.solutions.size())
        continue;
      // The cells as given.
      const std::vector<bool> only =
          lines_indexed_only_by(out[member].lines.indexed, out[head].lines.indexed);
      out[member].lines.superstructure_lines =
          static_cast<int>(std::count(only.begin(), only.end(), true));
    }
  }
  return out;
}

std::vector<std::size_t> ranked(const std::vector<cell_evidence>& evidence,
                                const std::vector<double>& deltas, sort_key key) {
  std::vector<std::size_t> order(evidence.size());
  std::iota(order.begin(), order.end(), 0);
  if (key == sort_key::table) return order;
  if (key == sort_key::delta) {
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return deltas.at(x) < deltas.at(y); });
    return order;
  }
  auto figure = [&](std::size_t i) {
    const figures_of_merit& f = evidence[i].final_figures();
    return key == sort_key::m ? f.m : f.f;
  };
  auto unindexed = [&](std::size_t i) { return evidence[i].final_figures().unindexed_first_n; };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
    if (unindexed(x) != unindexed(y)) return unindexed(x) < unindexed(y);
    return figure(x) > figure(y);
  });
  // A run of figures within kSameFigure of its highest is a tie, which the table's order (the
  // more symmetric cell first) breaks.
  for (std::size_t start = 0; start < order.size();) {
    std::size_t end = start + 1;
    while (end < order.size() && unindexed(order[end]) == unindexed(order[start]) &&
           figure(order[end]) >= figure(order[start]) * (1 - kSameFigure))
      ++end;
    std::sort(order.begin() + static_cast<long>(start), order.begin() + static_cast<long>(end));
    start = end;
  }
  return order;
}

}  // namespace pattern
