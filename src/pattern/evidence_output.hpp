// The pattern's evidence as JSON members for the analysis's own objects, and as a table.
#pragma once

#include <string>
#include <vector>

#include "lattice_output/json_writer.hpp"
#include "pattern/evidence.hpp"

namespace pattern {

// Into the object the writer holds open: "lines": {"M", "M_N", "F", "F_N", "mean_delta_2theta",
// "mean_delta_q", "calculated", "possible", "unindexed", "unindexed_first_n",
// "superstructure_lines", "indexed": [{"row", "observed", "hkl", "calculated", "q_calculated"}]},
// and with `refine` "refined": {"cell", "esd", "zero_shift", "zero_shift_esd", "lines_used",
// "lines"} or null when the cell could not be refined. An infinite figure is null.
void write_evidence(lattice::json_writer& w, const cell_evidence& e,
                    const std::vector<observed_line>& lines, bool refine);

// "observed_lines": {"count", "wavelength", "tolerance", "zero_shift_refined"}, likewise.
void write_pattern(lattice::json_writer& w, const std::vector<observed_line>& lines,
                   const evidence_options& options);

// One row of the table: what names the cell, then its evidence.
struct evidence_row {
  int number = 0;  // the entry's place in the analysis, or the solution's number
  int index = 1;   // in the input lattice; 0 when not known (a summary's solutions)
  std::string type;
  double delta = 0;
  std::string verdict;
  const cell_evidence* evidence = nullptr;
};

// The heading line with the list's size, wavelength and tolerance, the column names and one
// line a row in `order`; under each refined row its refined cell and its figures again.
std::string evidence_table(const std::vector<evidence_row>& rows,
                           const std::vector<std::size_t>& order,
                           const std::vector<observed_line>& lines,
                           const evidence_options& options);

// "M20 = 45.3", "F30 = 45.3 (0.0081, 55)": the figures as the papers quote them.
std::string m_text(const figures_of_merit& f);
std::string f_text(const figures_of_merit& f);
// The unindexed lines among the first N of M_N, then of all: "1/4".
std::string unindexed_text(const figures_of_merit& f);

}  // namespace pattern
