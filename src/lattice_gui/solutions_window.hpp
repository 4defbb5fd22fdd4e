// Compare solutions: the loaded Crysfire summary's solutions grouped by lattice, as a tree.
#pragma once

#include <QDialog>

#include "main/form.hpp"

class QDoubleSpinBox;
class QLabel;
class QTreeWidget;

namespace quarvel::gui {

class solutions_window : public QDialog {
  Q_OBJECT

 public:
  solutions_window(QWidget& parent, const TForm1& form);
  void compare();  // the summary read afresh with the tolerances shown

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const TForm1& form_;
  QDoubleSpinBox* delta_ = nullptr;
  QDoubleSpinBox* length_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace quarvel::gui
