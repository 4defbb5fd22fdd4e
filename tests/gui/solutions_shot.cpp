// Opens a summary, compares its solutions ordered by figure of merit and saves a picture of the
// Compare solutions window, for the README: quarvel_solutions_shot FILE.png
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iostream>

#include "lattice_user.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: quarvel_solutions_shot FILE.png\n";
    return 2;
  }
  quarvel::program program;
  quarvel::gui::window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_solutions_shot: the window did not become active\n";
    return 1;
  }
  // A C-centred orthorhombic lattice as three of its cells and a doubled one; two others.
  const char* solutions[][2] = {
      {" 20  18.4", "  4.71699  4.71699  7.00000  90.000  90.000  64.011"},
      {" 20  31.2", "  5.00000  8.00000  7.00000  90.000  90.000  90.000"},
      {" 19  12.7", "  4.71699  4.71699  8.44097  75.825  56.026  64.011"},
      {" 17   9.3", "  5.00000  8.00000 14.00000  90.000  90.000  90.000"},
      {" 20  24.9", "  6.10000  6.90000  9.30000  90.000 101.300  90.000"},
      {" 16   7.1", "  4.00000  5.00000  6.00000  80.000  85.000 100.000"}};
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("solutions.sum"));
  {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << "  SUMMARY\r\n";
    for (const auto& s : solutions) {
      std::string line = s[0];
      line.resize(67, ' ');
      out << line << s[1] << "\r\n";
    }
  }
  QTimer answer;
  quarvel::gui::answer_file_dialog(answer, path);
  user.click(toolkit::control::BitBtn3);
  auto& window = program.lattice().solutions();
  program.window().findChild<QAction*>(QStringLiteral("CompareSolutions1"))->trigger();
  auto* order = window.findChild<QComboBox*>(QStringLiteral("CompareOrder"));
  order->setCurrentIndex(1);
  QTest::qWait(200);
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "quarvel_solutions_shot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
