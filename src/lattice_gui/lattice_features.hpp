// The lattice analysis in the window: the menu items and button that open the Lattice symmetry
// and Compare solutions windows, and the found-cell list's explanation in the status line.
#pragma once

#include <QLabel>
#include <QMainWindow>

#include "lattice_gui/lattice_window.hpp"
#include "lattice_gui/solutions_window.hpp"

namespace quarvel::gui {

class lattice_features : public QObject {
  Q_OBJECT

 public:
  lattice_features(QMainWindow& window, TForm1& form);

  lattice_window& lattice() { return *lattice_; }
  solutions_window& solutions() { return *solutions_; }
  QLabel& found_cell_label() { return *found_; }

 private:
  void explain_found_line(int row);

  QMainWindow& window_;
  TForm1& form_;
  lattice_window* lattice_;
  solutions_window* solutions_;
  QLabel* found_;
};

}  // namespace quarvel::gui
