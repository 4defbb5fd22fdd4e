// The evidence's JSON members, written into the lattice analysis's own objects by its writer.
#include <cmath>
#include <string>

#include "lattice_output/json_writer.hpp"
#include "pattern/evidence_output.hpp"

namespace pattern {

namespace {

void figure(lattice::json_writer& w, const char* key, double value) {
  w.key(key);
  if (std::isfinite(value))
    w.value(value);
  else
    w.null();
}

void write_lines(lattice::json_writer& w, const line_evidence& e,
                 const std::vector<observed_line>& lines, double zero_shift) {
  const figures_of_merit& f = e.figures;
  w.begin_object();
  figure(w, "M", f.m);
  w.key("M_N").value(f.m_n);
  figure(w, "F", f.f);
  w.key("F_N").value(f.f_n);
  w.key("mean_delta_2theta").value(f.mean_delta_two_theta);
  w.key("mean_delta_q").value(f.mean_q_error);
  w.key("calculated").value(f.calculated_count);
  w.key("possible").value(f.possible);
  w.key("unindexed").value(f.unindexed);
  w.key("unindexed_first_n").value(f.unindexed_first_n);
  w.key("superstructure_lines").value(e.superstructure_lines);
  w.key("indexed").begin_array();
  for (std::size_t i = 0; i < e.indexed.match.size(); ++i) {
    if (!e.indexed.match[i]) continue;
    const std::size_t k = *e.indexed.match[i];
    const calculated_line& c = e.indexed.calculated[k];
    w.begin_object();
    w.key("row").value(lines[i].row);
    w.key("observed").value(lines[i].two_theta);
    w.key("hkl").numbers({double(c.hkl[0]), double(c.hkl[1]), double(c.hkl[2])});
    w.key("calculated").value(e.indexed.calculated_two_theta[k] + zero_shift);
    w.key("q_calculated").value(c.q);
    w.end_object();
  }
  w.end_array();
  w.end_object();
}

}  // namespace

void write_evidence(lattice::json_writer& w, const cell_evidence& e,
                    const std::vector<observed_line>& lines, bool refine) {
  w.key("lines");
  write_lines(w, e.lines, lines, 0);
  if (refine) {
    w.key("refined");
    if (!e.refined) {
      w.null();
    } else {
      const refined_cell& r = *e.refined;
      w.begin_object();
      w.key("cell").cell(r.cell);
      w.key("esd").numbers({r.esd.begin(), r.esd.end()});
      w.key("zero_shift").value(r.zero_shift);
      w.key("zero_shift_esd");
      if (r.zero_esd)
        w.value(*r.zero_esd);
      else
        w.null();
      w.key("lines_used").value(r.lines_used);
      w.key("lines");
      write_lines(w, *e.refined_lines, lines, r.zero_shift);
      w.end_object();
    }
  }
}

void write_pattern(lattice::json_writer& w, const std::vector<observed_line>& lines,
                   const evidence_options& options) {
  w.key("observed_lines").begin_object();
  w.key("count").value(static_cast<int>(lines.size()));
  w.key("wavelength").value(options.indexing.wavelength);
  w.key("tolerance").value(options.indexing.tolerance);
  w.key("zero_shift_refined").value(options.refine && options.refine_zero);
  w.end_object();
}

}  // namespace pattern
