// The lattice analysis in the real window: the panel follows the typed cell and its own
// conditions, an entry becomes the starting cell and runs, a centred entry is analysed with its
// centring, every export reads back, found lines are explained, and a summary's solutions are
// grouped.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <fstream>
#include <map>

#include "lattice_user.hpp"
#include "main/cell_file_format.hpp"
#include "main/found_cell_lattice.hpp"
#include "mathhkl/crystal_systems.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

// The Bravais types of the entries of the lattice itself (index 1).
QStringList own_types(QTableView* t) {
  QStringList out;
  for (int r = 0; r < t->model()->rowCount(); ++r)
    if (t->model()->index(r, 0).data().toString() == QStringLiteral("1"))
      out << t->model()->index(r, 1).data().toString();
  return out;
}

QComboBox* centring_box(program& p) {
  return p.lattice().lattice().findChild<QComboBox*>(QStringLiteral("LatticeCentring"));
}

// Keyboard, "Tricl." and the six parameters as typed.
void enter_triclinic_cell(window_driver& user, const QList<double>& parameters) {
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, mathhkl::keyboard_list_index(mathhkl::crystal_system::triclinic));
  for (std::size_t k = 0; k < 6; ++k)
    user.type(toolkit::kCellFields[k],
              QString::number(parameters[static_cast<qsizetype>(k)], 'f', 4));
}

// The cell spanned by three vectors given in Cartesian coordinates.
QList<double> cell_of_vectors(const std::array<std::array<double, 3>, 3>& v) {
  auto dot = [&](size_t i, size_t j) {
    return v[i][0] * v[j][0] + v[i][1] * v[j][1] + v[i][2] * v[j][2];
  };
  auto angle = [&](size_t i, size_t j) {
    return std::acos(dot(i, j) / std::sqrt(dot(i, i) * dot(j, j))) * 180 / M_PI;
  };
  return {std::sqrt(dot(0, 0)), std::sqrt(dot(1, 1)), std::sqrt(dot(2, 2)),
          angle(1, 2),          angle(0, 2),          angle(0, 1)};
}

double volume_of(const QString& cell_text) {
  const QStringList p = cell_text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const double k = M_PI / 180;
  const double ca = std::cos(p[3].toDouble() * k), cb = std::cos(p[4].toDouble() * k),
               cg = std::cos(p[5].toDouble() * k);
  return p[0].toDouble() * p[1].toDouble() * p[2].toDouble() *
         std::sqrt(1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg);
}

// The lattice's own entries (index 1) as Bravais symbol and conventional volume, sorted: the
// same lattice gives the same list from any of its cells.
std::vector<std::pair<QString, double>> own_entries(QTableView* t) {
  std::vector<std::pair<QString, double>> out;
  for (int r = 0; r < t->model()->rowCount(); ++r)
    if (t->model()->index(r, 0).data().toString() == QStringLiteral("1"))
      out.emplace_back(t->model()->index(r, 1).data().toString().left(2),
                       volume_of(t->model()->index(r, 4).data().toString()));
  std::sort(out.begin(), out.end());
  return out;
}

// Selects the first entry of the lattice itself with this label and clicks "Use as starting
// cell"; false when there is none.
bool use_own_entry(program& p, const QString& label) {
  QTableView* t = table(p);
  for (int r = 0; r < t->model()->rowCount(); ++r) {
    if (t->model()->index(r, 0).data().toString() != QStringLiteral("1") ||
        t->model()->index(r, 1).data().toString() != label)
      continue;
    t->selectRow(r);
    QTest::mouseClick(p.lattice().lattice().findChild<QAbstractButton*>(QStringLiteral("UseCell")),
                      Qt::LeftButton);
    return true;
  }
  return false;
}

// RFC 4180: quoted fields with doubled quotes, CR LF between records.
std::vector<std::vector<std::string>> parse_csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        rows.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        rows.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.emplace_back(1);
      ++i;
    } else {
      rows.back().back() += c;
    }
  }
  if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
  return rows;
}

// A strict reader of the CIF subset written: one data block, comments, and "_tag value" lines
// whose value is a number, a bare word or a quoted string; anything else fails.
std::map<std::string, std::string> parse_cif(const std::string& text, bool& ok) {
  std::map<std::string, std::string> items;
  ok = text.rfind("data_", 0) == 0;
  std::istringstream in(text);
  std::string line;
  std::getline(in, line);
  while (ok && std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const size_t blank = line.find(' ');
    if (line[0] != '_' || blank == std::string::npos) {
      ok = false;
      break;
    }
    std::string value = line.substr(blank + 1);
    if (value.front() == '\'') {
      ok = value.size() >= 2 && value.back() == '\'';
      value = value.substr(1, value.size() - 2);
    } else {
      ok = value.find_first_of(" '\"") == std::string::npos;
    }
    ok = ok && items.emplace(line.substr(0, blank), value).second;
  }
  return items;
}

}  // namespace

class lattice_window_test : public QObject {
  Q_OBJECT

 private slots:
  void panel_follows_the_typed_cell_and_its_delta_limit();
  void an_entry_becomes_the_starting_cell_and_runs();
  void a_centred_entry_is_analysed_with_its_centring_data();
  void a_centred_entry_is_analysed_with_its_centring();
  void the_centring_goes_back_to_primitive_for_a_cell_file_data();
  void the_centring_goes_back_to_primitive_for_a_cell_file();
  void every_export_reads_back_and_a_failed_write_leaves_no_file();
  void found_lines_are_explained_and_keep_their_text();
  void compare_solutions_groups_a_summary();
  void the_lattice_button_is_clear_of_its_neighbours_and_opens_the_panel();
};

void lattice_window_test::the_lattice_button_is_clear_of_its_neighbours_and_opens_the_panel() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  auto* button = p.window().findChild<QAbstractButton*>(QStringLiteral("LatticeButton"));
  QVERIFY(button);
  // It sits in the results panel, shown from the first search on.
  user.enter_ortho_cell(QStringLiteral("5.0"), QStringLiteral("6.0"), QStringLiteral("7.0"));
  user.click(control::BitBtn1);
  QTRY_VERIFY(button->isVisible());
  for (QObject* o : button->parent()->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w != button && w->isVisible())
      QVERIFY2(!w->geometry().intersects(button->geometry()), qPrintable(w->objectName()));
  }
  QTest::mouseClick(button, Qt::LeftButton);
  QTRY_VERIFY(p.lattice().lattice().isVisible());
}

void lattice_window_test::panel_follows_the_typed_cell_and_its_delta_limit() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell(QStringLiteral("5.0"), QStringLiteral("5.05"), QStringLiteral("7.0"));
  QTest::keyClick(&p.window(), Qt::Key_T, Qt::ControlModifier);
  QTRY_VERIFY(p.lattice().lattice().isVisible());
  QTableView* t = table(p);
  // 5 x 5.05 is 0.6 degrees from tetragonal: within the default 3, not within 0.5.
  // The largest index starts from Max V/Vo (10) and adds superlattice entries.
  auto* index = p.lattice().lattice().findChild<QSpinBox*>(QStringLiteral("LargestIndex"));
  QCOMPARE(index->value(), 10);
  QVERIFY(column(t, 0).contains(QStringLiteral("2")));
  index->setValue(1);
  QVERIFY(!column(t, 0).contains(QStringLiteral("2")));
  QVERIFY(own_types(t).contains(QStringLiteral("tP")));
  auto* delta = p.lattice().lattice().findChild<QDoubleSpinBox*>(QStringLiteral("DeltaLimit"));
  delta->setValue(0.5);
  QVERIFY(!own_types(t).contains(QStringLiteral("tP")));
  QCOMPARE(column(t, 1).first(), QStringLiteral("oP"));
  // Typing another cell is followed at once.
  user.type(control::Edit4, QStringLiteral("5.0"));
  QTRY_COMPARE(column(t, 1).first(), QStringLiteral("tP"));
  // The table sorts by a clicked column's numbers: delta ascending puts 0 first.
  t->sortByColumn(3, Qt::DescendingOrder);
  QVERIFY(column(t, 3).first().toDouble() >= column(t, 3).last().toDouble());
}

void lattice_window_test::an_entry_becomes_the_starting_cell_and_runs() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell(QStringLiteral("5.0"), QStringLiteral("5.01"), QStringLiteral("7.0"));
  p.lattice().lattice().show();
  QTableView* t = table(p);
  const int row = static_cast<int>(column(t, 1).indexOf(QStringLiteral("tP")));
  QVERIFY(row >= 0);
  t->setFocus();
  t->selectRow(row);
  t->setCurrentIndex(t->model()->index(row, 0));
  QTest::keyClick(t, Qt::Key_Return);  // Enter on a row uses it
  QTRY_COMPARE(user.find<QListWidget>(control::ListBox3)->currentRow(), kTetra);
  const QLabel* said = p.lattice().lattice().findChild<QLabel*>(QStringLiteral("LatticeMessage"));
  QCOMPARE(said->text(),
           QStringLiteral("The tP entry's cell is the starting cell: Run searches from it."));
  QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
  QVERIFY(!user.find(control::Panel1)->isHidden());
  const double a = user.find<QLineEdit>(control::Edit3)->text().toDouble();
  QVERIFY2(a >= 5.0 && a <= 5.01, qPrintable(QString::number(a)));
  user.click(control::BitBtn6);
  QTRY_VERIFY(!user.lines(control::ListBox2).isEmpty());
  QVERIFY(user.lines(control::ListBox2).at(1).startsWith(QStringLiteral("TETR")));
  QVERIFY(user.unexpected_boxes().isEmpty());
}

void lattice_window_test::a_centred_entry_is_analysed_with_its_centring_data() {
  QTest::addColumn<QList<double>>("primitive");
  QTest::addColumn<QString>("type");
  QTest::addColumn<QString>("letter");  // the centring of the cell put into the fields
  QTest::addColumn<QString>("ratio");   // V/Vo of that type's entry in the new analysis
  QTest::newRow("oI 5 x 6 x 7") << cell_of_vectors({{{5, 0, 0}, {0, 6, 0}, {2.5, 3, 3.5}}}) << "oI"
                                << "I"
                                << "1.000";
  QTest::newRow("cF 5") << QList<double>{3.5355, 3.5355, 3.5355, 60, 60, 60} << "cF"
                        << "F"
                        << "1.000";
  // The fields take the rhombohedral cell, which is primitive.
  QTest::newRow("hR 5, 75 degrees") << QList<double>{5, 5, 5, 75, 75, 75} << "hR"
                                    << "P"
                                    << "3.000";
}

void lattice_window_test::a_centred_entry_is_analysed_with_its_centring() {
  QFETCH(QList<double>, primitive);
  QFETCH(QString, type);
  QFETCH(QString, letter);
  QFETCH(QString, ratio);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  enter_triclinic_cell(user, primitive);
  lattice_window& w = p.lattice().lattice();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTableView* t = table(p);
  const auto before = own_entries(t);
  QVERIFY(use_own_entry(p, type));

  QComboBox* centring = centring_box(p);
  QCOMPARE(centring->currentText(), letter);
  // The letter is seen: shown, inside the window, on top, and not cut by the arrow.
  QVERIFY(centring->isVisible());
  QVERIFY(w.rect().contains(QRect(centring->mapTo(&w, QPoint(0, 0)), centring->size())));
  QWidget* on_top = w.childAt(centring->mapTo(&w, centring->rect().center()));
  QVERIFY(on_top == centring || centring->isAncestorOf(on_top));
  QStyleOptionComboBox option;
  option.initFrom(centring);
  const QRect field = centring->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, centring);
  QVERIFY(centring->fontMetrics().horizontalAdvance(letter) <= field.width());

  // The same lattice as before, not the centred cell read as primitive: the same types at the
  // same volumes, the most symmetric first.
  QCOMPARE(column(t, 1).first(), type);
  QCOMPARE(column(t, 7).first(), ratio);
  const auto after = own_entries(t);
  QCOMPARE(after.size(), before.size());
  for (size_t k = 0; k < after.size(); ++k) {
    QCOMPARE(after[k].first, before[k].first);
    QVERIFY2(std::abs(after[k].second / before[k].second - 1) < 1e-3,
             qPrintable(after[k].first +
                        QStringLiteral(" %1 %2").arg(after[k].second).arg(before[k].second)));
  }
  QVERIFY(w.findChild<QLabel*>(QStringLiteral("LatticeCell"))
              ->text()
              .startsWith(letter == QStringLiteral("P")
                              ? QStringLiteral("Cell (typed): ")
                              : QStringLiteral("Cell (typed, %1-centred): ").arg(letter)));
}

void lattice_window_test::the_centring_goes_back_to_primitive_for_a_cell_file_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("letter");
  QTest::newRow("typing keeps it") << "type"
                                   << "I";
  QTest::newRow("a cell file read") << "read"
                                    << "P";
  QTest::newRow("a cancelled read keeps it") << "cancel"
                                             << "I";
  // The second read changes no field: the read itself resets.
  QTest::newRow("the same file again after choosing I") << "read twice"
                                                        << "P";
}

void lattice_window_test::the_centring_goes_back_to_primitive_for_a_cell_file() {
  QFETCH(QString, action);
  QFETCH(QString, letter);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  enter_triclinic_cell(user, cell_of_vectors({{{5, 0, 0}, {0, 6, 0}, {2.5, 3, 3.5}}}));
  p.lattice().lattice().show();
  QVERIFY(use_own_entry(p, QStringLiteral("oI")));
  QComboBox* centring = centring_box(p);
  QCOMPARE(centring->currentText(), QStringLiteral("I"));

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("cell.cry"));
  std::ofstream(path.toStdString(), std::ios::binary)
      << cell_file_text("ORTH", {4.0L, 5.0L, 6.0L, 90.0L, 90.0L, 90.0L});
  QTimer first, second;
  if (action == QStringLiteral("type")) {
    user.type(control::Edit3, QStringLiteral("5.01"));
    user.type(control::Edit4, user.find<QLineEdit>(control::Edit4)->text());  // leaves a
  } else {
    answer_file_dialog(first, action == QStringLiteral("cancel") ? QString() : path);
    user.click(control::OpenLanfitfile1);
  }
  if (action == QStringLiteral("read twice")) {
    QCOMPARE(user.find<QLineEdit>(control::Edit3)->text().trimmed(), QStringLiteral("4.0000"));
    centring->setCurrentIndex(centring->findText(QStringLiteral("I")));
    answer_file_dialog(second, path);
    user.click(control::OpenLanfitfile1);
  }
  QCOMPARE(centring->currentText(), letter);
  QVERIFY(table(p)->model()->rowCount() > 0);
  const QLabel* shown = p.lattice().lattice().findChild<QLabel*>(QStringLiteral("LatticeCell"));
  const QString caption = shown->text();
  QVERIFY2(caption.contains(QStringLiteral("-centred")) == (letter != QStringLiteral("P")),
           qPrintable(caption));
  QTRY_VERIFY2(label_seen_problem(*shown).isEmpty(), qPrintable(label_seen_problem(*shown)));
}

void lattice_window_test::every_export_reads_back_and_a_failed_write_leaves_no_file() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  lattice_window& w = p.lattice().lattice();
  w.show();
  QTemporaryDir dir;
  QString answer;
  w.set_path_question([&](const QString&, const QStringList&) { return chosen_file{answer, {}}; });
  QTableView* t = table(p);
  const int rows = t->model()->rowCount();
  QVERIFY(rows > 3);

  answer = dir.filePath(QStringLiteral("table.csv"));
  w.export_table();
  const auto csv = parse_csv(read_all(answer));
  QCOMPARE(static_cast<int>(csv.size()), rows + 1);
  QCOMPARE(csv[0][1], std::string("Bravais"));
  for (int r = 0; r < rows; ++r)
    QCOMPARE(QString::fromStdString(csv[static_cast<size_t>(r) + 1][4]),
             t->model()->index(r, 4).data().toString());

  answer = dir.filePath(QStringLiteral("table.json"));
  w.export_table();
  QJsonParseError error;
  const QJsonDocument json =
      QJsonDocument::fromJson(QByteArray::fromStdString(read_all(answer)), &error);
  QCOMPARE(error.error, QJsonParseError::NoError);
  QCOMPARE(json.object().value(QStringLiteral("lattices")).toArray().size(), rows);

  t->selectRow(0);
  answer = dir.filePath(QStringLiteral("cell.cif"));
  w.export_cif();
  bool ok = false;
  const auto cif = parse_cif(read_all(answer), ok);
  QVERIFY(ok);
  QCOMPARE(cif.at("_space_group.bravais_type"),
           t->model()->index(0, 1).data().toString().toStdString());
  QVERIFY(std::abs(std::stod(cif.at("_cell_length_a")) - 5.0) < 0.01 ||
          std::abs(std::stod(cif.at("_cell_length_a")) - 8.6603) < 0.01);
  QVERIFY(cif.count("_cell_volume") == 1 && cif.count("_space_group.crystal_system") == 1);

  answer = dir.filePath(QStringLiteral("ladder.png"));
  w.save_picture();
  QVERIFY(!QImage(answer).isNull());

  // A folder that does not exist: the message says so and no file appears.
  answer = dir.filePath(QStringLiteral("missing/table.csv"));
  w.export_table();
  QVERIFY(!QFile::exists(answer));
  const QLabel* said = w.findChild<QLabel*>(QStringLiteral("LatticeMessage"));
  QVERIFY(said->text().startsWith(QStringLiteral("Could not write")));
  QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);  // no leftover temporary file
}

void lattice_window_test::found_lines_are_explained_and_keep_their_text() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  user.click(control::BitBtn6);
  QTRY_VERIFY(user.lines(control::ListBox4).size() > 10);
  const QStringList before = user.lines(control::ListBox4);
  const lattice::cell start{5.0, 8.6603, 7.0, 90, 90, 90};
  for (int row : {0, 12, 13}) {
    user.pick(control::ListBox4, row);
    const std::optional<found_line_fields> f = read_found_line(before[row].toStdString());
    QVERIFY(f.has_value());
    const QString expected =
        QString::fromStdString(explanation_text(explain_found_cell(*f, start, 3)));
    QCOMPARE(p.lattice().found_cell_line().full_text(),
             QStringLiteral("Cell %1: %2").arg(row + 1).arg(expected));
  }
  QVERIFY(p.lattice().found_cell_line().full_text().contains(QStringLiteral("superlattice")) ||
          p.lattice().found_cell_line().full_text().contains(QStringLiteral("fractions")));
  QCOMPARE(user.lines(control::ListBox4), before);
}

void lattice_window_test::compare_solutions_groups_a_summary() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("groups.sum"));
  {
    // The C-centred orthorhombic lattice 5 x 8 x 7 as its primitive cell, its centred cell and a
    // non-reduced primitive cell; the centred cell doubled; an unrelated cell; a bad line.
    const char* fields[] = {"  4.71699  4.71699  7.00000  90.000  90.000  64.011",
                            "  5.00000  8.00000  7.00000  90.000  90.000  90.000",
                            "  4.71699  4.71699  8.44097  75.825  56.026  64.011",
                            "  5.00000  8.00000 14.00000  90.000  90.000  90.000",
                            "  6.10000  6.90000  9.30000  90.000 101.300  90.000",
                            "  4.00000  5.00000  6.00000  10.000  10.000 150.000"};
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << "  SUMMARY\r\n";
    for (const char* f : fields) out << std::string(67, ' ') << f << "\r\n";
  }
  p.form().shared().sum_file_name = path.toStdString();
  QTest::keyClick(&p.window(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  QTRY_VERIFY(p.lattice().solutions().isVisible());
  auto* tree = p.lattice().solutions().findChild<QTreeWidget*>(QStringLiteral("SolutionGroups"));
  QCOMPARE(tree->topLevelItemCount(), 3);  // two groups and the unusable solution
  QTreeWidgetItem* first = tree->topLevelItem(0);
  QCOMPARE(first->text(0), QStringLiteral("1"));
  QStringList members;
  for (int k = 0; k < first->childCount(); ++k)
    members << first->child(k)->text(0) + ":" + first->child(k)->text(2);
  QCOMPARE(members,
           (QStringList{QStringLiteral("2:same lattice, C-centred cell"),
                        QStringLiteral("3:same lattice"), QStringLiteral("4:superlattice ×4")}));
  QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("5"));
  QCOMPARE(tree->topLevelItem(1)->childCount(), 0);
  QCOMPARE(tree->topLevelItem(2)->child(0)->text(0), QStringLiteral("6"));
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::lattice_window_test)
#include "lattice_window_test.moc"
