// Display text from the exports' own columns, so that the table and the files agree; sorting by
// the underlying numbers where a column has one.
#include "lattice_gui/lattice_table_model.hpp"

#include <QFontDatabase>
#include <array>

#include "lattice/metric.hpp"
#include "lattice_gui/evidence_columns.hpp"
#include "lattice_output/entry_export.hpp"

namespace quarvel::gui {

namespace {

enum column { kIndex, kBravais, kSystem, kDelta, kCell, kIdeal, kDeviation, kRatio };

// Cells sort by size: the volume, then a, b and c.
QVariantList cell_key(const lattice::cell& c) {
  const std::array<double, 6> p = c.parameters();
  return {lattice::volume_of(lattice::metric_of(c)), p[0], p[1], p[2]};
}

}  // namespace

void lattice_table_model::set_entries(std::vector<lattice::lattice_entry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  evidence_.clear();  // it was for the entries replaced
  endResetModel();
}

void lattice_table_model::set_evidence(std::vector<pattern::cell_evidence> evidence) {
  beginResetModel();
  evidence_ = evidence.size() == entries_.size() ? std::move(evidence)
                                                 : std::vector<pattern::cell_evidence>{};
  endResetModel();
}

int lattice_table_model::own_columns() const {
  return static_cast<int>(lattice::entry_column_names().size());
}

int lattice_table_model::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int lattice_table_model::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return own_columns() + (evidence_.empty() ? 0 : kEvidenceColumns);
}

QVariant lattice_table_model::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const lattice::lattice_entry& e = entries_[static_cast<size_t>(index.row())];
  if (index.column() >= own_columns()) {
    const int column = index.column() - own_columns();
    const pattern::line_evidence& lines = evidence_[static_cast<size_t>(index.row())].lines;
    switch (role) {
      case Qt::DisplayRole:
        return evidence_text(lines, column);
      case Qt::FontRole:
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
      case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      case kSortRole:
        return evidence_key(lines, column);
      default:
        return {};
    }
  }
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(lattice::entry_columns(e)[static_cast<size_t>(index.column())]);
    case Qt::FontRole:
      return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    case Qt::TextAlignmentRole:
      return index.column() == kIndex || index.column() == kDelta || index.column() == kRatio
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case kSortRole:
      switch (index.column()) {
        case kIndex:
          return e.index;
        case kBravais:
          return lattice::holohedry_order(e.bravais) * 1000 +
                 lattice::space_group_number(e.bravais);
        case kDelta:
          return e.delta;
        case kCell:
          return cell_key(e.conventional);
        case kIdeal:
          return cell_key(e.ideal);
        case kDeviation:
          return e.length_deviation;
        case kRatio:
          return e.volume_ratio;
        default:
          return data(index, Qt::DisplayRole);
      }
    default:
      return {};
  }
}

QVariant lattice_table_model::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section >= own_columns() && role == Qt::ToolTipRole)
    return evidence_tooltip(section - own_columns());
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section >= own_columns()) return evidence_column_names()[section - own_columns()];
  return QString::fromStdString(lattice::entry_column_names()[static_cast<size_t>(section)]);
}

}  // namespace quarvel::gui
