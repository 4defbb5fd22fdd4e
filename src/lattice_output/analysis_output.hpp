// The analysis as text for people, as JSON and as CSV for programs.
#pragma once

#include <string>

#include "lattice/analysis.hpp"
#include "lattice_output/json_writer.hpp"

namespace lattice {

// One JSON object (no line break): input, reduced, delta_limit, lattices, and basis when given.
std::string analysis_json(const analysis& a, const basis_verdict* basis = nullptr,
                          const json_additions& more = {});

// A readable table, lines ending in "\n".
std::string analysis_text(const analysis& a, const basis_verdict* basis = nullptr);

// CSV of the highest entry of each analysed cell: the header, then one row per cell.
std::string csv_header();
std::string csv_row(int line_number, const analysis& a);

}  // namespace lattice
