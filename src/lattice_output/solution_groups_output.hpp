// A comparison of solutions as one JSON object and as a table for people.
#pragma once

#include <string>

#include "lattice/solution_groups.hpp"
#include "lattice_output/json_writer.hpp"

namespace lattice {

std::string comparison_json(const solution_comparison& c, const json_additions& more = {});
std::string comparison_text(const solution_comparison& c);

}  // namespace lattice
