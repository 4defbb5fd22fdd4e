// The δ from which a subgroup is listed can only be the obliquity of a two-fold, and every such
// obliquity up to the larger δ is the δ of some entry listed there; so trying those values in
// rising order finds it exactly.
#include "lattice/hidden_subgroups.hpp"

#include <algorithm>

namespace lattice {

namespace {

bool same_entry(const lattice_entry& x, const lattice_entry& y) {
  return x.bravais == y.bravais && x.cell_centring == y.cell_centring && x.matrix == y.matrix;
}

bool listed_in(const std::vector<lattice_entry>& entries, const lattice_entry& e) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const lattice_entry& x) { return same_entry(x, e); });
}

analysis subgroups_at(const analysis& a, double delta) {
  analysis_options options;
  options.centring_type = a.centring_type;
  options.delta_limit = delta;
  options.max_index = 1;
  return analyse(a.input, options);
}

}  // namespace

std::vector<hidden_subgroup> hidden_subgroups(const analysis& a) {
  const double larger = std::min(2 * a.delta_limit, kLargestDeltaLimit);
  std::vector<hidden_subgroup> hidden;
  if (larger <= a.delta_limit) return hidden;
  const analysis wide = subgroups_at(a, larger);
  for (const lattice_entry& e : wide.lattices)
    if (!listed_in(a.lattices, e)) hidden.push_back({e, larger});  // all of index 1
  if (hidden.empty()) return hidden;
  // Each two-fold of the larger group is a monoclinic entry of its own, so the entries' δ above
  // the limit are all the steps there are.
  std::vector<double> steps;
  for (const lattice_entry& e : wide.lattices)
    if (e.delta > a.delta_limit) steps.push_back(e.delta);
  std::sort(steps.begin(), steps.end());
  steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
  std::vector<bool> found(hidden.size(), false);
  for (double step : steps) {
    // A hair above the step, so that the two-fold whose obliquity it is counts as within.
    const analysis at = subgroups_at(a, std::min(step + 1e-9, larger));
    for (std::size_t i = 0; i < hidden.size(); ++i)
      if (!found[i] && listed_in(at.lattices, hidden[i].entry)) {
        hidden[i].listed_from = step;
        found[i] = true;
      }
    if (std::all_of(found.begin(), found.end(), [](bool f) { return f; })) break;
  }
  std::stable_sort(hidden.begin(), hidden.end(),
                   [](const hidden_subgroup& x, const hidden_subgroup& y) {
                     return x.listed_from < y.listed_from;
                   });
  return hidden;
}

}  // namespace lattice
