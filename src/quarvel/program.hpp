// The running program: the main window Form1 on the Qt toolkit, its logic, and the About box.
#pragma once

#include <QIcon>
#include <QMainWindow>

#include "apropos/fapropos.hpp"
#include "lattice_gui/lattice_features.hpp"
#include "main/form.hpp"
#include "toolkit/qt/qt_toolkit.hpp"

namespace quarvel {

class program {
 public:
  program();  // needs a QApplication; gives it the icon

  // The application's icon, from pictures built into the program: no image plugin needed.
  static QIcon icon();

  // Shows Form1; its first activation runs the form's start-up handler.
  void show() { tk_.show_window(control::Form1); }

  TForm1& form() { return form_; }
  QMainWindow& window() { return tk_.window(); }
  apropos::Tfapropos& about_box() { return about_; }
  gui::lattice_features& lattice() { return lattice_; }

 private:
  toolkit::qt::qt_toolkit tk_;
  TForm1 form_;
  apropos::Tfapropos about_;
  gui::lattice_features lattice_;
};

}  // namespace quarvel
