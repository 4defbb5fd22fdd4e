// The texts are the command line's, so a row reads the same in the window and the terminal.
#include "lattice_gui/evidence_columns.hpp"

#include "pattern/evidence_output.hpp"

namespace quarvel::gui {

namespace {

enum column { kM, kF, kUnindexed, kSuper };

// Far above any count of lines, so that the first N decide and all lines break ties.
constexpr double kFirstNWeight = 1e6;

}  // namespace

QStringList evidence_column_names() {
  return {QStringLiteral("M(N)"), QStringLiteral("F(N) (|Δ2θ|, Nposs)"),
          QStringLiteral("Unindexed"), QStringLiteral("Super")};
}

QString evidence_tooltip(int column) {
  switch (column) {
    case kM:
      return QStringLiteral("de Wolff's M_N: N = min(20, lines)");
    case kF:
      return QStringLiteral("Smith & Snyder's F_N: N = min(30, lines)");
    case kUnindexed:
      return QStringLiteral(
          "Observed lines no calculated line indexes: of the first N of M_N / "
          "of all");
    default:
      return QStringLiteral(
          "Superstructure lines: observed lines a superlattice indexes and the "
          "input lattice does not");
  }
}

QString evidence_text(const pattern::line_evidence& e, int column) {
  switch (column) {
    case kM:
      return QString::fromStdString(pattern::m_text(e.figures));
    case kF:
      return QString::fromStdString(pattern::f_text(e.figures));
    case kUnindexed:
      return QString::fromStdString(pattern::unindexed_text(e.figures));
    default:
      return QString::number(e.superstructure_lines);
  }
}

double evidence_key(const pattern::line_evidence& e, int column) {
  switch (column) {
    case kM:
      return e.figures.m;
    case kF:
      return e.figures.f;
    case kUnindexed:
      return e.figures.unindexed_first_n * kFirstNWeight + e.figures.unindexed;
    default:
      return e.superstructure_lines;
  }
}

}  // namespace quarvel::gui
