// Compare solutions: the loaded Crysfire summary's solutions grouped by lattice, as a tree.
#pragma once

#include <QDialog>

#include "main/form.hpp"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarvel::gui {

class observed_pattern;

class solutions_window : public QDialog {
  Q_OBJECT

 public:
  // With lines opened in the lattice window, each solution's figures against them as columns.
  solutions_window(QWidget& parent, const TForm1& form, const observed_pattern& observed);
  void compare();  // the summary read afresh with the tolerances and the order shown
  // Makes the solution the current line of Form1's Crysfire list, which Run and the lattice
  // window read.
  void select_in_form(int number);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void chosen(const QTreeWidgetItem* item);

  QWidget& main_;
  const TForm1& form_;
  const observed_pattern& observed_;
  QComboBox* order_ = nullptr;
  QDoubleSpinBox* delta_ = nullptr;
  QDoubleSpinBox* length_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace quarvel::gui
