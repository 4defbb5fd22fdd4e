// The test of one candidate cell that passed the parity and coplanarity tests: its angles,
// volume, crystal system, orthohexagonal conversion and volume ratio. Every search engine
// calls this same test, so that their results can only differ in which triples they try.
#pragma once

#include <vector>

#include "search/search_engine.hpp"

namespace quarvel {

class candidate_check {
 public:
  candidate_check(const std::vector<lattice_vector>& vectors, const matrix3& axes_matrix,
                  const search_conditions& conditions)
      : vectors_(vectors), axes_(axes_matrix), conditions_(conditions) {}

  // cos gamma of the pair p < q, as the search stores it.
  real48 pair_cosine(size_t p, size_t q) const;

  // Tests (p, q, r) with p < q < r, whose index rows t and pair cosine are given. True when
  // the cell is kept up to the choice of target systems; `cell` then holds it.
  bool test(size_t p, size_t q, size_t r, const matrix3& t, const real48& cos_gamma,
            found_cell& cell) const;

 private:
  const std::vector<lattice_vector>& vectors_;
  const matrix3& axes_;
  const search_conditions& conditions_;
};

// Number of odd indices of a vector; a triple with none spans twice a smaller cell.
inline int odd_indices(const lattice_vector& v) {
  return (v.u % 2 != 0) + (v.v % 2 != 0) + (v.w % 2 != 0);
}

// The rows of T: the index triples of the chosen vectors.
inline void set_row(matrix3& t, int row, const lattice_vector& v) {
  t[row] = {static_cast<long double>(v.u), static_cast<long double>(v.v),
            static_cast<long double>(v.w)};
}

}  // namespace quarvel
