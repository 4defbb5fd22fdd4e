// Fills the found-cell list, selects a cell and saves a picture of the window with the cell's
// explanation and the list-full message, for the README: quarvel_found_cell_shot FILE.png
#include <QApplication>
#include <QTest>
#include <iostream>

#include "mathhkl/crystal_systems.hpp"
#include "window_driver.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: quarvel_found_cell_shot FILE.png\n";
    return 2;
  }
  quarvel::program program;
  quarvel::gui::window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_found_cell_shot: the window did not become active\n";
    return 1;
  }
  using toolkit::control;
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, mathhkl::keyboard_list_index(mathhkl::crystal_system::cubic));
  for (control edge : {control::Edit3, control::Edit4, control::Edit5})
    user.type(edge, QStringLiteral("4"));
  user.answer(QMessageBox::Ok);  // "Too many found cells!!"
  user.click(control::BitBtn6);
  user.pick(control::ListBox4, 5);
  QTest::qWait(100);  // the last repaints
  for (const QString& text : user.unexpected_boxes())
    std::cerr << "quarvel_found_cell_shot: unexpected box: " << text.toStdString() << "\n";
  if (!program.window().grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "quarvel_found_cell_shot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
