// The observed lines' columns that the lattice table and Compare solutions add: M_N, F_N,
// unindexed lines and superstructure lines, with the numbers they sort by.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include "pattern/evidence.hpp"

namespace quarvel::gui {

inline constexpr int kEvidenceColumns = 4;

QStringList evidence_column_names();
QString evidence_tooltip(int column);
// "M20 = 65.5", "F26 = 76.6 (0.0121, 28)", "1/4" (of the first N of M_N / of all), "3".
QString evidence_text(const pattern::line_evidence& e, int column);
// M and F as numbers (an exact fit infinite, above every other), the unindexed lines by the
// first N then all, the superstructure count.
double evidence_key(const pattern::line_evidence& e, int column);

}  // namespace quarvel::gui
