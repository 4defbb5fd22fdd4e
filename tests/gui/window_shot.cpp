// Plays a typical search on the window and saves a picture of it, for the README:
// quarvel_window_shot FILE.png
#include <QApplication>
#include <QTest>
#include <iostream>

#include "window_driver.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: quarvel_window_shot FILE.png\n";
    return 2;
  }
  quarvel::program program;
  quarvel::gui::window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_window_shot: the window did not become active\n";
    return 1;
  }
  user.enter_ortho_cell();
  user.click(toolkit::control::BitBtn6);
  QTest::qWait(100);  // the last repaints
  for (const QString& text : user.unexpected_boxes()) {
    std::cerr << "quarvel_window_shot: unexpected box: " << text.toStdString() << "\n";
  }
  if (!program.window().grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "quarvel_window_shot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
