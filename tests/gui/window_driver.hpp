// Plays the user on the real window: mouse clicks, typing, picking list lines, and the
// answers to the message boxes that the handlers show.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QStringList>

#include "box_answerer.hpp"
#include "quarvel/program.hpp"

namespace quarvel::gui {

class window_driver : public box_answerer {
 public:
  explicit window_driver(program& p);

  // Shows the window; false when it did not become active.
  bool start();

  template <typename Widget = QWidget>
  Widget* find(control c) const {
    return program_.window().findChild<Widget*>(QString::fromLatin1(name_of(c)));
  }
  QAction* menu_item(control c) const;
  QStringList lines(control list) const;
  bool focused(control c) const { return QApplication::focusWidget() == find(c); }

  void click(control c);                          // a button with the mouse, or a menu item
  void type(control field, const QString& text);  // click into the field, replace its text
  void pick(control list, int row);               // click a line
  void toggle_check(control list, int row);       // pick the line, then the space bar
  // Keyboard, "Ortho." and the edges 5.0, 8.6603, 7.0: a hexagonal lattice's C-centred cell.
  void enter_ortho_cell();
  // The same with the three edges as typed.
  void enter_ortho_cell(const QString& a, const QString& b, const QString& c);

 private:
  void wait_until_active() const;

  program& program_;
};

}  // namespace quarvel::gui
