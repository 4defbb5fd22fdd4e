// The same weighing as the command line's, so the window and `--lines` agree line for line.
#include "lattice_gui/entry_evidence.hpp"

#include <QStringList>

#include "lattice/number_text.hpp"
#include "pattern/esd_text.hpp"
#include "pattern/evidence_output.hpp"

namespace quarvel::gui {

pattern_picture::view entry_view(const std::vector<pattern::observed_line>& lines,
                                 const pattern::indexing_options& options,
                                 const pattern::indexed_pattern& input, const QString& input_label,
                                 const lattice::lattice_entry& e,
                                 const pattern::cell_evidence& evidence) {
  pattern_picture::view v;
  v.lines = lines;
  v.input = input;
  v.entry = evidence.lines.indexed;
  v.superstructure =
      pattern::superstructure_flags(lines, pattern::entry_to_weigh(e, input), options);
  v.input_label = input_label;
  v.entry_label = QString::fromStdString(lattice::type_label(e));
  if (e.index > 1) v.entry_label += QStringLiteral(" ×%1").arg(e.index);
  return v;
}

QString refined_text(const lattice::lattice_entry& e, const pattern::refined_cell& r,
                     const pattern::line_evidence& again) {
  static const char* const kNames[] = {"a", "b", "c", "α", "β", "γ"};
  const std::array<double, 6> p = r.cell.parameters();
  QStringList parts;
  for (std::size_t k = 0; k < 6; ++k)
    parts << QStringLiteral("%1 = %2").arg(
        QString::fromUtf8(kNames[k]),
        QString::fromStdString(pattern::esd_text(p[k], r.esd[k], k < 3 ? 4 : 3)));
  return QStringLiteral("Refined %1: %2  from %3 lines  %4  %5  unindexed %6")
      .arg(QString::fromStdString(lattice::type_label(e)), parts.join(QStringLiteral("  ")))
      .arg(r.lines_used)
      .arg(QString::fromStdString(pattern::m_text(again.figures)),
           QString::fromStdString(pattern::f_text(again.figures)),
           QString::fromStdString(pattern::unindexed_text(again.figures)));
}

lattice::lattice_entry refined_entry(lattice::lattice_entry e, const lattice::cell& refined) {
  e.conventional = e.ideal = refined;
  if (e.rhombohedral)
    e.rhombohedral = e.rhombohedral_ideal = lattice::rhombohedral_axes_cell(refined);
  return e;
}

}  // namespace quarvel::gui
