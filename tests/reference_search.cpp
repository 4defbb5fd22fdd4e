// The plain loop over p < q and every r; each pair counts its N visits of r as it starts.
#include "reference_search.hpp"

#include <cmath>

#include "search/candidate_check.hpp"

namespace quarvel {

void run_reference_search(const std::vector<lattice_vector>& vectors, const matrix3& axes_matrix,
                          const search_conditions& conditions, search_host& host) {
  const candidate_check test(vectors, axes_matrix, conditions);
  const size_t n = vectors.size();
  matrix3 t{};
  found_cell cell{};
  for (size_t p = 0; p + 1 < n; ++p) {
    const int odd_p = odd_indices(vectors[p]);
    set_row(t, 0, vectors[p]);
    for (size_t q = p + 1; q < n; ++q) {
      const int odd_pq = odd_p + odd_indices(vectors[q]);
      set_row(t, 1, vectors[q]);
      const real48 cos_gamma = test.pair_cosine(p, q);
      if (host.pair_steps(1, static_cast<long long>(n)) < 0) return;
      for (size_t r = 0; r < n; ++r) {
        if (r <= p || r <= q) continue;
        if (odd_pq + odd_indices(vectors[r]) == 0) continue;
        set_row(t, 2, vectors[r]);
        if (std::fabs(mathhkl::mat_det(t)) < 0.0001L) continue;
        if (test.test(p, q, r, t, cos_gamma, cell) && host.add_found(cell)) return;
      }
    }
  }
}

}  // namespace quarvel
