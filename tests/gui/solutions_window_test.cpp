// Compare solutions on a summary opened in Form1: the groups follow the conditions as they
// change, sort by the summary's figure of merit and gain the observed lines' columns, and a
// double-clicked solution becomes the current line of the Crysfire list, which Run and the
// lattice window read.
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <map>

#include "lattice_user.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

// Characters 1-10: lines indexed and figure of merit; the cell from character 68.
std::string summary_line(const std::string& lead, const std::string& cell) {
  std::string line = lead;
  line.resize(10, ' ');
  line += " ITO     #12  1.00   filler";
  line.resize(67, ' ');
  return line + cell;
}

// Two cells 0.4 % and 0.4° apart (one orthorhombic lattice within 1 % and 3°, two within 0.1 % or
// 0.3°) and a monoclinic cell with the best figure of merit.
void write_summary(const QString& path) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << "  SUMMARY\r\n"
      << summary_line(" 20  12.0", "  5.00000  8.00000  7.00000  90.000  90.000  90.000") << "\r\n"
      << summary_line(" 20  40.5", "  6.10000  6.90000  9.30000  90.000 101.300  90.000") << "\r\n"
      << summary_line(" 18  25.0", "  5.02000  8.00000  7.00000  90.000  90.000  90.400") << "\r\n";
}

QStringList heads(const QTreeWidget* tree) {
  QStringList out;
  for (int k = 0; k < tree->topLevelItemCount(); ++k) out << tree->topLevelItem(k)->text(0);
  return out;
}

}  // namespace

class solutions_window_test : public QObject {
  Q_OBJECT

 private slots:
  void groups_follow_the_conditions_and_sort_by_figure_of_merit();
  void a_double_clicked_solution_is_selected_in_the_crysfire_list();
  void observed_lines_add_their_columns_and_sort_the_groups();

 private:
  // Form1 with the summary opened and Compare solutions shown.
  QTreeWidget* open_and_compare(program& p, window_driver& user, const QString& path);
};

QTreeWidget* solutions_window_test::open_and_compare(program& p, window_driver& user,
                                                     const QString& path) {
  write_summary(path);
  QTimer answer;
  answer_file_dialog(answer, path);
  user.click(control::BitBtn3);
  if (user.lines(control::ListBox1).size() != 4) {
    qWarning() << user.lines(control::ListBox1) << user.unexpected_boxes();
    return nullptr;
  }
  p.window().findChild<QAction*>(QStringLiteral("CompareSolutions1"))->trigger();
  if (!QTest::qWaitForWindowExposed(&p.lattice().solutions())) return nullptr;
  return p.lattice().solutions().findChild<QTreeWidget*>(QStringLiteral("SolutionGroups"));
}

void solutions_window_test::groups_follow_the_conditions_and_sort_by_figure_of_merit() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QTemporaryDir dir;
  QTreeWidget* tree = open_and_compare(p, user, dir.filePath(QStringLiteral("fom.sum")));
  QVERIFY(tree);
  solutions_window& w = p.lattice().solutions();
  // By symmetry: the orthorhombic lattice first.
  QCOMPARE(heads(tree), (QStringList{"1", "2"}));
  QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("3"));

  auto* order = w.findChild<QComboBox*>(QStringLiteral("CompareOrder"));
  QVERIFY(order);
  order->setCurrentIndex(order->findText(QStringLiteral("figure of merit")));
  QCOMPARE(heads(tree), (QStringList{"2", "1"}));
  const int fom = tree->columnCount() - 1;
  QCOMPARE(tree->headerItem()->text(fom), QStringLiteral("FOM"));
  QCOMPARE(tree->topLevelItem(0)->text(fom), QStringLiteral("40.5"));
  QCOMPARE(tree->topLevelItem(1)->child(0)->text(fom), QStringLiteral("25.0"));

  // A tighter length tolerance parts the two orthorhombic cells, with no Compare click.
  w.findChild<QDoubleSpinBox*>(QStringLiteral("CompareLength"))->setValue(0.1);
  QCOMPARE(heads(tree), (QStringList{"2", "3", "1"}));
  w.findChild<QDoubleSpinBox*>(QStringLiteral("CompareLength"))->setValue(1);
  QCOMPARE(heads(tree), (QStringList{"2", "1"}));
  // So does a δ limit below the 0.4° between them.
  w.findChild<QDoubleSpinBox*>(QStringLiteral("CompareDelta"))->setValue(0.3);
  QCOMPARE(heads(tree).size(), 3);
  const QLabel* said = w.findChild<QLabel*>(QStringLiteral("CompareMessage"));
  QCOMPARE(said->text(), QStringLiteral("3 solutions in 3 groups"));
  QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
}

void solutions_window_test::a_double_clicked_solution_is_selected_in_the_crysfire_list() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QTemporaryDir dir;
  QTreeWidget* tree = open_and_compare(p, user, dir.filePath(QStringLiteral("pick.sum")));
  QVERIFY(tree);
  lattice_window& lattice = p.lattice().lattice();
  lattice.show();
  auto* list = user.find<QListWidget>(control::ListBox1);
  QCOMPARE(list->currentRow(), 1);  // the import selects the first solution

  for (QTreeWidgetItem* item : {tree->topLevelItem(0)->child(0), tree->topLevelItem(1)}) {
    const int number = item->text(0).toInt();
    tree->scrollToItem(item);
    // A double click as the window system gives it: a click, then the second press.
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(list->currentRow(), number);
    QVERIFY(list->visualItemRect(list->item(number)).intersects(list->viewport()->rect()));
    const QLabel* said =
        p.lattice().solutions().findChild<QLabel*>(QStringLiteral("CompareMessage"));
    QCOMPARE(said->text(),
             QStringLiteral("Solution %1 is selected in the Crysfire list.").arg(number));
    QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
    // The lattice window reads the solution now current, as Run does.
    const QLabel* caption = lattice.findChild<QLabel*>(QStringLiteral("LatticeCell"));
    QVERIFY(caption->text().startsWith(QStringLiteral("Cell (Crysfire solution %1)").arg(number)));
    QTRY_VERIFY2(label_seen_problem(*caption).isEmpty(), qPrintable(label_seen_problem(*caption)));
  }
}

// The lines of the orthorhombic cell 1 opened in the lattice window: every compared solution gains
// the four columns, readable, and the M(N) column sorts the groups both ways, the true cell's
// first when high comes first.
void solutions_window_test::observed_lines_add_their_columns_and_sort_the_groups() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QTemporaryDir dir;
  QTreeWidget* tree = open_and_compare(p, user, dir.filePath(QStringLiteral("lines.sum")));
  QVERIFY(tree);
  const int plain_columns = tree->columnCount();
  const QString lines = dir.filePath(QStringLiteral("lines.txt"));
  const lattice::cell first{5, 8, 7, 90, 90, 90};
  write_lines(lines, observed(line_positions(first, lattice::centring::P, 50), 0.004));
  lattice_window& lattice = p.lattice().lattice();
  lattice.show();
  QTimer answer;
  answer_file_dialog(answer, lines);
  lattice.findChild<QAction*>(QStringLiteral("OpenObservedLines"))->trigger();

  solutions_window& w = p.lattice().solutions();
  QCOMPARE(tree->columnCount(), plain_columns + 4);
  const QLabel* said = w.findChild<QLabel*>(QStringLiteral("CompareMessage"));
  QTRY_VERIFY(
      said->text().endsWith(QStringLiteral("weighed against %1 observed lines")
                                .arg(line_positions(first, lattice::centring::P, 50).size())));
  QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
  std::map<QString, int> column_of;
  for (int k = 0; k < tree->columnCount(); ++k) column_of[tree->headerItem()->text(k)] = k;
  for (const char* name : {"M(N)", "F(N) (|Δ2θ|, Nposs)", "Unindexed", "Super"})
    QVERIFY2(column_of.count(QString::fromUtf8(name)), name);
  const int m = column_of[QStringLiteral("M(N)")];
  const int unindexed = column_of[QStringLiteral("Unindexed")];

  // Each solution's figures, readable in full where the tree shows them.
  std::map<int, QTreeWidgetItem*> item_of;
  for (int k = 0; k < tree->topLevelItemCount(); ++k) {
    QTreeWidgetItem* head = tree->topLevelItem(k);
    item_of[head->text(0).toInt()] = head;
    for (int c = 0; c < head->childCount(); ++c)
      item_of[head->child(c)->text(0).toInt()] = head->child(c);
  }
  QCOMPARE(item_of.size(), std::size_t{3});
  for (const auto& [number, item] : item_of) {
    QVERIFY2(item->text(m).startsWith(QStringLiteral("M")), qPrintable(item->text(m)));
    QVERIFY(tree->header()->sectionSize(m) >= tree->fontMetrics().horizontalAdvance(item->text(m)));
    // Scrolled to, the figure stands whole inside the tree's viewport.
    tree->scrollToItem(item);
    tree->horizontalScrollBar()->setValue(tree->header()->sectionPosition(m));
    const QRect shown = tree->visualItemRect(item);
    const int left = tree->header()->sectionViewportPosition(m);
    QVERIFY(left >= 0 && left + tree->fontMetrics().horizontalAdvance(item->text(m)) <=
                             tree->viewport()->width());
    QVERIFY(shown.top() >= 0 && shown.bottom() <= tree->viewport()->height());
  }
  QCOMPARE(item_of[1]->text(unindexed), QStringLiteral("0/0"));
  QVERIFY(item_of[2]->text(unindexed) != QStringLiteral("0/0"));

  // Sorted by M(N), high first: the group of cell 1 above the monoclinic cell 2, whose lines
  // are not these; and the other way round.
  tree->sortByColumn(m, Qt::DescendingOrder);
  QCOMPARE(heads(tree), (QStringList{"1", "2"}));
  tree->sortByColumn(m, Qt::AscendingOrder);
  QCOMPARE(heads(tree), (QStringList{"2", "1"}));
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::solutions_window_test)
#include "solutions_window_test.moc"
