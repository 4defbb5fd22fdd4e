// The analysis's entries as a table model; numbers in a fixed-pitch font so columns align.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "lattice/analysis.hpp"
#include "pattern/evidence.hpp"

namespace quarvel::gui {

class lattice_table_model : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void set_entries(std::vector<lattice::lattice_entry> entries);
  const std::vector<lattice::lattice_entry>& entries() const { return entries_; }
  // The observed lines' columns, one evidence an entry in the same order; none to remove them.
  void set_evidence(std::vector<pattern::cell_evidence> evidence);
  const std::vector<pattern::cell_evidence>& evidence() const { return evidence_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The number behind a column's text; for the cell columns a list of numbers (see entry_sort).
  static constexpr int kSortRole = Qt::UserRole;

 private:
  int own_columns() const;

  std::vector<lattice::lattice_entry> entries_;
  std::vector<pattern::cell_evidence> evidence_;
};

}  // namespace quarvel::gui
