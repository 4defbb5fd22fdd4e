// The plain triple search: every pair, every third vector, every test in its written order.
// The fast engine must find exactly what this finds.
#pragma once

#include <vector>

#include "search/search_engine.hpp"

namespace quarvel {

void run_reference_search(const std::vector<lattice_vector>& vectors, const matrix3& axes_matrix,
                          const search_conditions& conditions, search_host& host);

}  // namespace quarvel
