// A titled group of radio buttons laid out in columns, addressed by item index like a list.
#pragma once

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>

namespace toolkit::qt {

class radio_group : public QGroupBox {
  Q_OBJECT

 public:
  radio_group(const QString& title, int columns, QWidget* parent);

  void add_item(const QString& text);
  void clear();
  int count() const { return static_cast<int>(buttons_.size()); }
  QString item(int index) const { return buttons_.at(index)->text(); }
  int selected() const { return group_.checkedId(); }  // -1: none
  void select(int index);

 private:
  QGridLayout* grid_;
  QButtonGroup group_;
  QList<QRadioButton*> buttons_;
  int columns_;
};

}  // namespace toolkit::qt
