// The lattice analysis in the window: the menu items and button that open the Lattice symmetry
// and Compare solutions windows, and the found-cell list's explanation on a line of its own.
#pragma once

#include <QMainWindow>

#include "lattice_gui/elided_label.hpp"
#include "lattice_gui/lattice_window.hpp"
#include "lattice_gui/observed_pattern.hpp"
#include "lattice_gui/solutions_window.hpp"

namespace quarvel::gui {

class lattice_features : public QObject {
  Q_OBJECT

 public:
  lattice_features(QMainWindow& window, TForm1& form);

  lattice_window& lattice() { return *lattice_; }
  solutions_window& solutions() { return *solutions_; }
  elided_label& found_cell_line() { return *found_; }

 private:
  void explain_found_line(int row);

  QMainWindow& window_;
  TForm1& form_;
  observed_pattern* observed_;  // before the windows, which share it
  lattice_window* lattice_;
  solutions_window* solutions_;
  elided_label* found_;
};

}  // namespace quarvel::gui
