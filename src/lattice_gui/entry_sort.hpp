// The lattice table's order when a column is clicked: by the numbers behind the text, a list of
// numbers compared in turn, and the analysis's own order between equal entries.
#pragma once

#include <QSortFilterProxyModel>

namespace quarvel::gui {

class entry_sort : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace quarvel::gui
