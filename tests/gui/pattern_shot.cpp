// Opens observed lines in the Lattice symmetry window and saves a picture of it with the
// tetragonal supercell selected, for the README: quarvel_pattern_shot FILE.png
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <iostream>

#include "lattice_user.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: quarvel_pattern_shot FILE.png\n";
    return 2;
  }
  using namespace quarvel::gui;
  quarvel::program program;
  window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_pattern_shot: the window did not become active\n";
    return 1;
  }
  // The README's example: 4 × 8 × 5 Å, three lines of its 8 × 8 × 5 supercell, one impurity.
  user.enter_ortho_cell(QStringLiteral("4.0"), QStringLiteral("8.0"), QStringLiteral("5.0"));
  user.type(toolkit::control::Edit11, QStringLiteral("2"));
  std::vector<test_line> lines =
      observed(line_positions({4, 8, 5, 90, 90, 90}, lattice::centring::P, 50), 0.004);
  for (double q : {2 / 64.0, 10 / 64.0, 2 / 64.0 + 1 / 25.0})
    lines.push_back({2 * std::asin(1.540598 * std::sqrt(q) / 2) * 180 / M_PI, 15});
  lines.push_back({27.0, 30});
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("superstructure.txt"));
  write_lines(path, lines);
  auto& panel = program.lattice().lattice();
  panel.show();
  QTest::qWait(100);
  QTimer answer;
  answer_file_dialog(answer, path);
  panel.findChild<QAction*>(QStringLiteral("OpenObservedLines"))->trigger();
  QTableView* t = table(program);
  for (int r = 0; r < t->model()->rowCount(); ++r)
    if (t->model()->index(r, 0).data().toString() == QStringLiteral("2") &&
        t->model()->index(r, 1).data().toString() == QStringLiteral("tP"))
      t->selectRow(r);
  // The lines' columns, at the right of the table, in view.
  t->scrollTo(t->model()->index(0, t->model()->columnCount() - 1));
  QTest::qWait(200);
  if (!panel.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "quarvel_pattern_shot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
