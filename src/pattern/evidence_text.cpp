// The evidence as a table for people, one line a cell and one more for a refined cell.
#include <cmath>
#include <string>

#include "lattice/number_text.hpp"
#include "pattern/esd_text.hpp"
#include "pattern/evidence_output.hpp"

namespace pattern {

namespace {

std::string figure_text(double x) {
  return std::isfinite(x) ? lattice::fixed(x, 1) : std::string("inf");
}

std::string refined_line(const refined_cell& r, const line_evidence& e) {
  static const char* const kNames[] = {"a", "b", "c", "alpha", "beta", "gamma"};
  std::string text = "             refined ";
  const std::array<double, 6> p = r.cell.parameters();
  for (int k = 0; k < 6; ++k)
    text += std::string(" ") + kNames[k] + " " + esd_text(p[k], r.esd[k], k < 3 ? 4 : 3);
  text += "  zero " +
          (r.zero_esd ? esd_text(r.zero_shift, *r.zero_esd, 4) : lattice::fixed(r.zero_shift, 4));
  text += "  " + std::to_string(r.lines_used) + " lines  " + m_text(e.figures) + "  " +
          f_text(e.figures) + "  unindexed " + unindexed_text(e.figures);
  return text + "\n";
}

}  // namespace

std::string m_text(const figures_of_merit& f) {
  return "M" + std::to_string(f.m_n) + " = " + figure_text(f.m);
}

std::string f_text(const figures_of_merit& f) {
  return "F" + std::to_string(f.f_n) + " = " + figure_text(f.f) + " (" +
         lattice::fixed(f.mean_delta_two_theta, 4) + ", " + std::to_string(f.possible) + ")";
}

std::string unindexed_text(const figures_of_merit& f) {
  return std::to_string(f.unindexed_first_n) + "/" + std::to_string(f.unindexed);
}

std::string evidence_table(const std::vector<evidence_row>& rows,
                           const std::vector<std::size_t>& order,
                           const std::vector<observed_line>& lines,
                           const evidence_options& options) {
  std::string out = "\nObserved lines " + std::to_string(lines.size()) + ", wavelength " +
                    lattice::compact(options.indexing.wavelength) + " A, tolerance " +
                    lattice::fixed(options.indexing.tolerance, 3) + " deg 2theta\n\n";
  out +=
      "    #  Index  Type           Delta(deg)  M(N)          F(N) (|D2theta|, Nposs)       "
      "Unindexed  Super  Verdict\n";
  for (std::size_t i : order) {
    const evidence_row& r = rows[i];
    const line_evidence& e = r.evidence->lines;
    out +=
        lattice::right_aligned(std::to_string(r.number), 5) +
        lattice::right_aligned(r.index > 0 ? std::to_string(r.index) : "-", 7) + "  " +
        lattice::left_aligned(r.type, 13) + lattice::right_aligned(lattice::fixed(r.delta, 4), 11) +
        "  " + lattice::left_aligned(m_text(e.figures), 14) +
        lattice::left_aligned(f_text(e.figures), 29) +
        lattice::right_aligned(unindexed_text(e.figures), 9) +
        lattice::right_aligned(std::to_string(e.superstructure_lines), 7) + "  " + r.verdict + "\n";
    if (r.evidence->refined) out += refined_line(*r.evidence->refined, *r.evidence->refined_lines);
  }
  if (options.refine)
    out +=
        "\nUnindexed: of the first N of M(N) / of all lines. Refined cells with esds in the "
        "last digits; zero: 2theta(obs) - 2theta(true).\n";
  else
    out += "\nUnindexed: of the first N of M(N) / of all lines.\n";
  return out;
}

}  // namespace pattern
