// The lattice window's table as the user works with it: an entry put into Form1's fields shows
// the start of each number, the cell columns sort by size, Copy pastes into a spreadsheet's
// columns, and an export takes the format of the filter chosen.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "lattice_user.hpp"
#include "main/cell_file_format.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

constexpr int kCellColumn = 4;
constexpr int kIdealColumn = 5;

// The cell's size from its shown text: volume, then a, b, c.
std::array<double, 4> size_of(const QString& cell_text) {
  const QStringList p = cell_text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const double k = M_PI / 180;
  const double ca = std::cos(p[3].toDouble() * k), cb = std::cos(p[4].toDouble() * k),
               cg = std::cos(p[5].toDouble() * k);
  const double v = p[0].toDouble() * p[1].toDouble() * p[2].toDouble() *
                   std::sqrt(1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg);
  return {v, p[0].toDouble(), p[1].toDouble(), p[2].toDouble()};
}

// The first characters of the field's text are the ones shown: nothing scrolled out on the left.
bool shows_its_start(const QLineEdit* field) {
  const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  return field->isVisible() && field->cursorPosition() == 0 &&
         cursor.left() < field->fontMetrics().averageCharWidth() + 8;
}

}  // namespace

class lattice_table_test : public QObject {
  Q_OBJECT

 private slots:
  void a_cell_put_into_the_fields_shows_its_first_digits_data();
  void a_cell_put_into_the_fields_shows_its_first_digits();
  void cells_sort_by_size_and_equal_ones_keep_their_order_data();
  void cells_sort_by_size_and_equal_ones_keep_their_order();
  void copy_gives_a_header_and_one_value_a_column();
  void the_chosen_filter_decides_the_format_data();
  void the_chosen_filter_decides_the_format();
};

void lattice_table_test::a_cell_put_into_the_fields_shows_its_first_digits_data() {
  QTest::addColumn<QString>("source");
  QTest::newRow("Use as starting cell") << "use";
  QTest::newRow("a cell file read") << "file";
}

void lattice_table_test::a_cell_put_into_the_fields_shows_its_first_digits() {
  QFETCH(QString, source);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QTemporaryDir dir;
  if (source == QStringLiteral("use")) {
    user.enter_ortho_cell(QStringLiteral("12.0"), QStringLiteral("7.81025"),
                          QStringLiteral("17.5"));
    p.lattice().lattice().show();
    QTableView* t = table(p);
    QVERIFY(t->model()->rowCount() > 0);
    t->selectRow(0);
    QTest::mouseClick(p.lattice().lattice().findChild<QAbstractButton*>(QStringLiteral("UseCell")),
                      Qt::LeftButton);
  } else {
    const QString path = dir.filePath(QStringLiteral("cell.cry"));
    std::ofstream(path.toStdString(), std::ios::binary)
        << cell_file_text("MONO", {12.0L, 7.81025L, 17.5L, 90.0L, 101.25L, 90.0L});
    QTimer answer;
    answer_file_dialog(answer, path);
    user.click(control::OpenLanfitfile1);
  }
  int wider = 0;  // fields whose text does not fit: which end shows is the question
  for (control c : toolkit::kCellFields) {
    const auto* field = user.find<QLineEdit>(c);
    QVERIFY2(shows_its_start(field), qPrintable(field->text()));
    if (field->fontMetrics().horizontalAdvance(field->text()) > field->contentsRect().width() - 4)
      ++wider;
  }
  QVERIFY(wider >= 2);
}

void lattice_table_test::cells_sort_by_size_and_equal_ones_keep_their_order_data() {
  QTest::addColumn<int>("col");
  QTest::addColumn<Qt::SortOrder>("order");
  QTest::newRow("cell, rising") << kCellColumn << Qt::AscendingOrder;
  QTest::newRow("cell, falling") << kCellColumn << Qt::DescendingOrder;
  QTest::newRow("ideal cell, rising") << kIdealColumn << Qt::AscendingOrder;
  QTest::newRow("ideal cell, falling") << kIdealColumn << Qt::DescendingOrder;
}

void lattice_table_test::cells_sort_by_size_and_equal_ones_keep_their_order() {
  QFETCH(int, col);
  QFETCH(Qt::SortOrder, order);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  // Superlattices up to index 4 give edges from 5 to 28 Å: text order would differ.
  user.enter_ortho_cell();
  user.type(control::Edit11, QStringLiteral("4"));
  p.lattice().lattice().show();
  QTableView* t = table(p);
  QTRY_VERIFY(t->model()->rowCount() > 5);
  t->sortByColumn(col, order);
  const QStringList cells = column(t, col);
  QVERIFY(!std::is_sorted(cells.begin(), cells.end()) &&
          !std::is_sorted(cells.rbegin(), cells.rend()));
  auto* sorted = qobject_cast<QSortFilterProxyModel*>(t->model());
  QVERIFY(sorted);
  const double sign = order == Qt::AscendingOrder ? 1 : -1;
  const QStringList ratios = column(t, 7);  // V/Vo: the same text, the same volume
  for (int r = 1; r < cells.size(); ++r) {
    const std::array<double, 4> x = size_of(cells[r - 1]), y = size_of(cells[r]);
    const QString pair = cells[r - 1] + QStringLiteral(" | ") + cells[r];
    // The shown text rounds the edges: volumes within 1e-4 cannot be told apart from it.
    if (std::abs(y[0] - x[0]) > 1e-4 * x[0]) {
      QVERIFY2(sign * (y[0] - x[0]) > 0, qPrintable(pair));
      continue;
    }
    if (col != kCellColumn || ratios[r - 1] != ratios[r]) continue;
    // Carried cells of one volume: by a, b, c, and equal ones in the analysis's order whichever
    // way the column sorts.
    int k = 1;
    while (k < 4 && std::abs(x[k] - y[k]) < 1e-3) ++k;
    if (k < 4) {
      QVERIFY2(sign * (y[k] - x[k]) > 0, qPrintable(pair));
    } else {
      QVERIFY2(sorted->mapToSource(sorted->index(r - 1, 0)).row() <
                   sorted->mapToSource(sorted->index(r, 0)).row(),
               qPrintable(pair));
    }
  }
}

void lattice_table_test::copy_gives_a_header_and_one_value_a_column() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  lattice_window& w = p.lattice().lattice();
  w.show();
  QTableView* t = table(p);
  QVERIFY(t->model()->rowCount() > 3);
  t->selectionModel()->select(QItemSelection(t->model()->index(0, 0), t->model()->index(2, 0)),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  QApplication::clipboard()->clear();
  QTest::mouseClick(w.findChild<QAbstractButton*>(QStringLiteral("CopyRows")), Qt::LeftButton);

  const QStringList lines =
      QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), 4);
  const QStringList header = lines[0].split(QLatin1Char('\t'));
  const auto at = [&](const QString& name) { return static_cast<int>(header.indexOf(name)); };
  for (const char* name : {"Index", "Bravais", "a (A)", "gamma (deg)", "Ideal a (A)",
                           "Ideal gamma (deg)", "Length deviation (A)", "Verdict"})
    QVERIFY2(at(QString::fromLatin1(name)) >= 0, name);
  for (int r = 0; r < 3; ++r) {
    const QStringList values = lines[r + 1].split(QLatin1Char('\t'));
    QCOMPARE(values.size(), header.size());
    const auto cell = [&](int first) { return values.mid(first, 6).join(QLatin1Char(' ')); };
    QCOMPARE(values[at(QStringLiteral("Bravais"))], t->model()->index(r, 1).data().toString());
    QCOMPARE(cell(at(QStringLiteral("a (A)"))),
             t->model()->index(r, kCellColumn).data().toString());
    QCOMPARE(cell(at(QStringLiteral("Ideal a (A)"))),
             t->model()->index(r, kIdealColumn).data().toString());
    QCOMPARE(values.last(), t->model()->index(r, 9).data().toString());
  }
}

void lattice_table_test::the_chosen_filter_decides_the_format_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QString>("typed");    // the name typed in the dialog
  QTest::addColumn<QString>("written");  // the file that appears
  QTest::newRow("JSON, no extension") << "table"
                                      << "JSON (*.json)"
                                      << "out"
                                      << "out.json";
  QTest::newRow("CSV, no extension") << "table"
                                     << "CSV (*.csv)"
                                     << "out"
                                     << "out.csv";
  QTest::newRow("JSON, its extension") << "table"
                                       << "JSON (*.json)"
                                       << "out.json"
                                       << "out.json";
  QTest::newRow("CIF, no extension") << "cif"
                                     << "CIF (*.cif)"
                                     << "cell"
                                     << "cell.cif";
  QTest::newRow("PNG, no extension") << "png"
                                     << "PNG (*.png)"
                                     << "ladder"
                                     << "ladder.png";
}

void lattice_table_test::the_chosen_filter_decides_the_format() {
  QFETCH(QString, action);
  QFETCH(QString, filter);
  QFETCH(QString, typed);
  QFETCH(QString, written);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  lattice_window& w = p.lattice().lattice();
  w.show();
  QTableView* t = table(p);
  const int rows = t->model()->rowCount();
  QVERIFY(rows > 3);
  t->selectRow(0);
  QTemporaryDir dir;
  QTimer answer;
  answer_file_dialog(answer, dir.filePath(typed), filter);
  if (action == QStringLiteral("table")) w.export_table();
  if (action == QStringLiteral("cif")) w.export_cif();
  if (action == QStringLiteral("png")) w.save_picture();

  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
  const std::string text = read_all(dir.filePath(written));
  if (filter.startsWith(QStringLiteral("JSON"))) {
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.object().value(QStringLiteral("lattices")).toArray().size(), rows);
  } else if (filter.startsWith(QStringLiteral("CSV"))) {
    QVERIFY(text.rfind("Index,Bravais,", 0) == 0);
  } else if (filter.startsWith(QStringLiteral("CIF"))) {
    QVERIFY(text.rfind("data_", 0) == 0);
  } else {
    QVERIFY(!QImage(dir.filePath(written), "PNG").isNull());
  }
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::lattice_table_test)
#include "lattice_table_test.moc"
