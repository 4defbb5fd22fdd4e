// Opens the Lattice symmetry window on a typed cell and saves a picture of it, for the README:
// quarvel_lattice_shot FILE.png
#include <QApplication>
#include <QTest>
#include <iostream>

#include "window_driver.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: quarvel_lattice_shot FILE.png\n";
    return 2;
  }
  quarvel::program program;
  quarvel::gui::window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_lattice_shot: the window did not become active\n";
    return 1;
  }
  // An orthorhombic cell 0.3 % from tetragonal: real and pseudo-symmetry side by side.
  user.click(toolkit::control::BitBtn2);
  user.pick(toolkit::control::ListBox3, 2);  // "Ortho."
  user.type(toolkit::control::Edit3, QStringLiteral("5.0"));
  user.type(toolkit::control::Edit4, QStringLiteral("5.015"));
  user.type(toolkit::control::Edit5, QStringLiteral("7.1"));
  user.type(toolkit::control::Edit11, QStringLiteral("4"));
  auto& panel = program.lattice().lattice();
  panel.show();
  QTest::qWait(200);
  if (!panel.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "quarvel_lattice_shot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
