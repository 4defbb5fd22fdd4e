// What an observed line list says about the cells of a lattice analysis or of a summary: each
// cell's figures of merit, its superstructure lines, and optionally its refined cell.
#pragma once

#include <optional>
#include <vector>

#include "lattice/analysis.hpp"
#include "lattice/solution_groups.hpp"
#include "pattern/figures_of_merit.hpp"
#include "pattern/refinement.hpp"

namespace pattern {

struct evidence_options {
  indexing_options indexing;
  bool refine = false;
  bool refine_zero = false;  // with refine
};

// One cell indexed against the list.
struct line_evidence {
  indexed_pattern indexed;
  figures_of_merit figures;
  // Observed lines that a superlattice cell (carried exactly from its lattice's cell) indexes
  // and the lattice's cell does not; 0 for any other cell, which as a cell of the same lattice
  // has no reflection that the lattice lacks.
  int superstructure_lines = 0;
};

struct cell_evidence {
  line_evidence lines;
  std::optional<refined_cell> refined;         // with evidence_options::refine, when possible
  std::optional<line_evidence> refined_lines;  // the list indexed once more by the refined cell
  // The figures that rank the cell: after refinement when there was one.
  const figures_of_merit& final_figures() const {
    return refined_lines ? refined_lines->figures : lines.figures;
  }
};

// A cell to weigh: read with its centring, refined under its type's constraints, compared
// with its lattice's cell when it is a superlattice of it.
struct cell_to_weigh {
  lattice::cell cell;  // indexes the lines for the figures, and starts the refinement
  // The same cell exactly as a superlattice of the lattice's cell (the metric carried, not
  // symmetrised), whose new reflections are the superstructure lines; with lattice_lines.
  lattice::cell exact;
  lattice::centring centred = lattice::centring::P;
  lattice::bravais_type type = lattice::bravais_type::aP;
  const indexed_pattern* lattice_lines = nullptr;  // for a superlattice cell only
};

// An entry of the analysis as a cell to weigh: its ideal cell read with its own centring and,
// for a superlattice entry, its conventional cell against `input`, the input cell's lines.
cell_to_weigh entry_to_weigh(const lattice::lattice_entry& e, const indexed_pattern& input);

// Which observed lines are the cell's superstructure lines: all false but for a superlattice.
std::vector<bool> superstructure_flags(const std::vector<observed_line>& lines,
                                       const cell_to_weigh& c, const indexing_options& options);

cell_evidence weigh(const std::vector<observed_line>& lines, const cell_to_weigh& c,
                    const evidence_options& options);

// Every entry of the analysis, in its order, each indexed by its ideal cell (the metric its
// type's symmetry imposes) with its own centring; a superlattice entry's superstructure lines
// come from its conventional cell against the input cell with its centring.
std::vector<cell_evidence> weigh_analysis(const lattice::analysis& a,
                                          const std::vector<observed_line>& lines,
                                          const evidence_options& options);
// The same with the input cell's lines already indexed (index_pattern of a.input with its
// centring), for a caller that keeps them.
std::vector<cell_evidence> weigh_analysis(const lattice::analysis& a,
                                          const std::vector<observed_line>& lines,
                                          const evidence_options& options,
                                          const indexed_pattern& input);

// Every solution of the comparison, in its order, as given (primitive); a member that is a
// superlattice of its group's head is compared with the head. No refinement: a summary's cells
// carry no conventional setting.
std::vector<cell_evidence> weigh_solutions(const lattice::solution_comparison& c,
                                           const std::vector<observed_line>& lines,
                                           const evidence_options& options);

enum class sort_key { table, m, f, delta };

// Figures within this relative distance rank as equal: beyond what the noise of ε tells.
inline constexpr double kSameFigure = 0.005;

// Positions into `evidence` in the asked order (the figures after refinement when there was
// one). By M or F: fewer unindexed lines among the first N of M first, then the figure falling,
// figures within kSameFigure of a run's highest kept in the table's order. By δ: rising, equal
// δ in the table's order.
std::vector<std::size_t> ranked(const std::vector<cell_evidence>& evidence,
                                const std::vector<double>& deltas, sort_key key);

}  // namespace pattern
