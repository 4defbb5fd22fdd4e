// Qt compares a list of numbers as text, and sorts equal keys in no promised order.
#include "lattice_gui/entry_sort.hpp"

#include <QVariantList>
#include <algorithm>
#include <cmath>

namespace quarvel::gui {

namespace {

// Cells of one lattice carried by different matrices differ in the last bits only: equal.
QPartialOrdering compared_numbers(double x, double y) {
  if (std::abs(x - y) <= 1e-9 * std::max(std::abs(x), std::abs(y)))
    return QPartialOrdering::Equivalent;
  return x < y ? QPartialOrdering::Less : QPartialOrdering::Greater;
}

QPartialOrdering compared(const QVariant& x, const QVariant& y) {
  if (x.typeId() != QMetaType::QVariantList || y.typeId() != QMetaType::QVariantList)
    return QVariant::compare(x, y);
  const QVariantList a = x.toList();
  const QVariantList b = y.toList();
  for (qsizetype k = 0; k < std::min(a.size(), b.size()); ++k) {
    const QPartialOrdering order = compared_numbers(a[k].toDouble(), b[k].toDouble());
    if (order != QPartialOrdering::Equivalent) return order;
  }
  return QVariant::compare(a.size(), b.size());
}

}  // namespace

bool entry_sort::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QPartialOrdering order = compared(left.data(sortRole()), right.data(sortRole()));
  if (order == QPartialOrdering::Less) return true;
  if (order == QPartialOrdering::Greater) return false;
  // Equal keys keep the analysis's order whichever way the column sorts; Qt asks the reverse
  // question for a falling order.
  return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

}  // namespace quarvel::gui
