// Observed lines in the lattice window as the user sees them: opened from the File menu, as 2θ
// or d, the table's figure-of-merit columns sorted as numbers, the pattern picture's sticks and
// tick rows where its 2θ scale puts them, zoomed with the keys and the wheel, bad lists refused
// with the reader's message, and a refined cell with esds that Use as starting cell puts into
// Form1's fields.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <fstream>
#include <map>

#include "lattice_gui/pattern_picture.hpp"
#include "lattice_user.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

constexpr lattice::cell kOrthoCell{4, 8, 5, 90, 90, 90};
constexpr lattice::cell kSuperCell{8, 8, 5, 90, 90, 90};  // tP, 2a b c of the orthorhombic cell

// The orthorhombic cell's lines, three lines of its tetragonal supercell (110, 310, 111: h and
// k odd) and one impurity line that neither indexes.
struct superstructure_pattern {
  std::vector<test_line> lines;
  std::vector<double> super_lines, impurity;
};

superstructure_pattern make_pattern() {
  superstructure_pattern p;
  p.lines = observed(line_positions(kOrthoCell, lattice::centring::P, 50), 0.004);
  const std::vector<double> tetragonal = line_positions(kSuperCell, lattice::centring::P, 50);
  for (const lattice::ivec3 hkl : {lattice::ivec3{1, 1, 0}, {3, 1, 0}, {1, 1, 1}}) {
    const double q = (hkl[0] * hkl[0] + hkl[1] * hkl[1]) / 64.0 + hkl[2] * hkl[2] / 25.0;
    p.super_lines.push_back(2 * std::asin(1.540598 * std::sqrt(q) / 2) * 180 / M_PI);
    p.lines.push_back({p.super_lines.back(), 15});
  }
  for (double t = 31; p.impurity.empty(); t += 0.05)
    if (std::all_of(tetragonal.begin(), tetragonal.end(),
                    [t](double x) { return std::abs(x - t) > 0.3; }))
      p.impurity.push_back(t);
  p.lines.push_back({p.impurity.front(), 30});
  return p;
}

struct row_check {
  int row;
  lattice::cell cell;
  QColor colour;
};

int column_named(QTableView* t, const QString& prefix) {
  for (int k = 0; k < t->model()->columnCount(); ++k)
    if (t->model()->headerData(k, Qt::Horizontal).toString().startsWith(prefix)) return k;
  return -1;
}

// "M20 = 65.5" → 65.5; "F26 = 76.6 (0.0121, 28)" → 76.6; "inf" above all.
double figure(const QString& text) {
  const QString number =
      text.section(QLatin1Char('='), 1).trimmed().section(QLatin1Char(' '), 0, 0);
  return number == QStringLiteral("inf") ? INFINITY : number.toDouble();
}

int row_of(QTableView* t, const QString& index, const QString& type) {
  for (int r = 0; r < t->model()->rowCount(); ++r)
    if (t->model()->index(r, 0).data().toString() == index &&
        t->model()->index(r, 1).data().toString() == type)
      return r;
  return -1;
}

bool near_colour(QRgb pixel, const QColor& c) {
  return std::abs(qRed(pixel) - c.red()) < 40 && std::abs(qGreen(pixel) - c.green()) < 40 &&
         std::abs(qBlue(pixel) - c.blue()) < 40;
}

}  // namespace

class pattern_window_test : public QObject {
  Q_OBJECT

 private slots:
  void lines_add_sorted_columns_and_a_picture_on_the_2theta_scale();
  void a_bad_list_is_refused_with_the_readers_message_data();
  void a_bad_list_is_refused_with_the_readers_message();
  void refine_shows_esds_and_use_takes_the_refined_cell();
  void a_d_list_weighs_as_its_2theta_list_with_the_wavelength();

 private:
  // Form1 with the cell typed, the lattice window shown and `path` opened from its File menu.
  static lattice_window& open_lines(program& p, const QString& path);
};

lattice_window& pattern_window_test::open_lines(program& p, const QString& path) {
  lattice_window& w = p.lattice().lattice();
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) qWarning("the lattice window was not exposed");
  QTimer answer;
  answer_file_dialog(answer, path);
  w.findChild<QAction*>(QStringLiteral("OpenObservedLines"))->trigger();
  return w;
}

void pattern_window_test::lines_add_sorted_columns_and_a_picture_on_the_2theta_scale() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell(QStringLiteral("4.0"), QStringLiteral("8.0"), QStringLiteral("5.0"));
  user.type(control::Edit11, QStringLiteral("2"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("super.txt"));
  const superstructure_pattern made = make_pattern();
  write_lines(path, made.lines);
  lattice_window& w = open_lines(p, path);
  QTableView* t = table(p);

  // The four columns, with the figures sorted as numbers: 9.5 before 10 and 100.
  const int m = column_named(t, QStringLiteral("M(N)"));
  QVERIFY(m > 0);
  QCOMPARE(column_named(t, QStringLiteral("F(N)")), m + 1);
  QCOMPARE(column_named(t, QStringLiteral("Unindexed")), m + 2);
  QCOMPARE(column_named(t, QStringLiteral("Super")), m + 3);
  // The list read is named where the conditions are, and each new column, scrolled to, shows
  // whole in the table.
  const QLabel* file = w.findChild<QLabel*>(QStringLiteral("ObservedLinesFile"));
  QCOMPARE(file->text(), QStringLiteral("super.txt, %1 lines").arg(made.lines.size()));
  QTRY_VERIFY2(label_seen_problem(*file).isEmpty(), qPrintable(label_seen_problem(*file)));
  for (int col = m; col <= m + 3; ++col) {
    const QModelIndex cell = t->model()->index(0, col);
    t->scrollTo(cell);
    QVERIFY2(t->viewport()->rect().contains(t->visualRect(cell)), qPrintable(QString::number(col)));
  }
  for (int col : {m, m + 1}) {
    t->sortByColumn(col, Qt::DescendingOrder);
    const QStringList shown = column(t, col);
    for (qsizetype r = 1; r < shown.size(); ++r)
      QVERIFY2(figure(shown[r - 1]) >= figure(shown[r]), qPrintable(shown.join(" | ")));
    QVERIFY(figure(shown.first()) > figure(shown.last()));
  }
  t->sortByColumn(m + 3, Qt::DescendingOrder);
  // The supercell alone has superstructure lines: the three made, and the impurity stays
  // unindexed by it.
  const int tp = row_of(t, QStringLiteral("2"), QStringLiteral("tP"));
  QVERIFY(tp >= 0);
  QCOMPARE(t->model()->index(tp, m + 3).data().toString(), QStringLiteral("3"));
  QCOMPARE(t->model()->index(tp, m + 2).data().toString(), QStringLiteral("1/1"));
  const int op = row_of(t, QStringLiteral("1"), QStringLiteral("oP"));
  QCOMPARE(t->model()->index(op, m + 3).data().toString(), QStringLiteral("0"));
  QCOMPARE(t->model()->index(op, m + 2).data().toString(), QStringLiteral("4/4"));
  t->selectRow(tp);

  // The picture is shown, tall enough to read, and nothing covers it.
  auto* picture = w.findChild<pattern_picture*>(QStringLiteral("PatternPicture"));
  QVERIFY(picture && picture->isVisible());
  QVERIFY(picture->height() >= 150);
  QTRY_COMPARE(picture->visibleRegion().boundingRect(), picture->rect());
  QVERIFY(w.rect().contains(QRect(picture->mapTo(&w, QPoint(0, 0)), picture->size())));

  // Each stick in its colour on the column the 2θ scale gives, and ticks on both rows.
  auto check_picture = [&]() -> QString {
    const QImage shot = picture->grab().toImage();
    const int foot = static_cast<int>(picture->sticks_area().bottom()) - 2;
    int drawn = 0;
    for (const test_line& l : made.lines) {
      if (l.two_theta < picture->shown_from() || l.two_theta > picture->shown_to()) continue;
      ++drawn;
      const int x = static_cast<int>(picture->x_of(l.two_theta));
      const bool super = std::any_of(made.super_lines.begin(), made.super_lines.end(),
                                     [&](double s) { return s == l.two_theta; });
      const QColor want = super                                  ? pattern_picture::kSuperstructure
                          : l.two_theta == made.impurity.front() ? pattern_picture::kUnindexed
                                                                 : pattern_picture::kIndexed;
      if (!near_colour(shot.pixel(x, foot), want))
        return QStringLiteral("stick at %1 degrees, column %2: not its colour")
            .arg(l.two_theta)
            .arg(x);
    }
    if (drawn == 0) return QStringLiteral("no stick in the range shown");
    for (const row_check& r : {row_check{0, kOrthoCell, pattern_picture::kInputTick},
                               row_check{1, kSuperCell, pattern_picture::kEntryTick}}) {
      const int y = static_cast<int>(picture->tick_row(r.row).center().y());
      const std::vector<double> ticks = line_positions(r.cell, lattice::centring::P, 50);
      std::vector<int> columns;
      for (double tick : ticks)
        if (tick >= picture->shown_from() && tick <= picture->shown_to())
          columns.push_back(static_cast<int>(picture->x_of(tick)));
      for (int x : columns)
        if (!near_colour(shot.pixel(x, y), r.colour) &&
            !near_colour(shot.pixel(x, y), pattern_picture::kSuperstructure))
          return QStringLiteral("row %1: no tick at column %2").arg(r.row).arg(x);
      // Between ticks the row is blank.
      const int left = static_cast<int>(picture->x_of(picture->shown_from()));
      const int right = static_cast<int>(picture->x_of(picture->shown_to()));
      for (int x = left; x <= right; ++x)
        if (std::none_of(columns.begin(), columns.end(),
                         [x](int c) { return std::abs(c - x) <= 1; }) &&
            !near_colour(shot.pixel(x, y), picture->palette().color(QPalette::Base)))
          return QStringLiteral("row %1: a mark at column %2 where no line is").arg(r.row).arg(x);
    }
    return QString();
  };
  QString problem = check_picture();
  QVERIFY2(problem.isEmpty(), qPrintable(problem));

  // Zoomed in with +, the same lines on the new scale; 0 shows the whole pattern again.
  const double whole = picture->shown_to() - picture->shown_from();
  picture->setFocus();
  for (int k = 0; k < 4; ++k) QTest::keyClick(picture, Qt::Key_Plus);
  QVERIFY(picture->shown_to() - picture->shown_from() < whole / 2);
  problem = check_picture();
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  QTest::keyClick(picture, Qt::Key_0);
  QCOMPARE(picture->shown_to() - picture->shown_from(), whole);

  // Two wheel notches up under a stick narrow the range by 1.25 each and keep that stick under
  // the pointer; four down widen it back to the whole pattern, no further.
  auto wheel = [&](double two_theta, int notches) {
    const QPointF at(picture->x_of(two_theta), picture->sticks_area().center().y());
    QWheelEvent turn(at, picture->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &turn);
  };
  // A stick a quarter of the way along, well away from the middle the keys zoom about.
  const double quarter = picture->shown_from() + whole / 4;
  double stick = made.lines.front().two_theta;
  for (const test_line& l : made.lines)
    if (std::abs(l.two_theta - quarter) < std::abs(stick - quarter)) stick = l.two_theta;
  const double column_before = picture->x_of(stick);
  wheel(stick, 2);
  QVERIFY(std::abs((picture->shown_to() - picture->shown_from()) - whole / (1.25 * 1.25)) < 1e-9);
  QVERIFY(std::abs(picture->x_of(stick) - column_before) < 1);
  problem = check_picture();
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  wheel(stick, -4);
  QCOMPARE(picture->shown_to() - picture->shown_from(), whole);
}

void pattern_window_test::a_bad_list_is_refused_with_the_readers_message_data() {
  QTest::addColumn<QString>("content");
  QTest::addColumn<QString>("message");
  QTest::newRow("two lines") << "20.1\n30.2\n"
                             << "bad.txt: 2 observed lines: at least 3 are needed";
  QTest::newRow("no lines") << "# nothing\n"
                            << "bad.txt: no observed lines";
  QTest::newRow("text after header") << "20\n30\nabc\n40\n"
                                     << "bad.txt: row 3: 'abc' is not a number";
  QTest::newRow("2theta 180")
      << "20\n180\n40\n"
      << "bad.txt: row 2: 2theta must lie between 0 and 180 degrees, found 180";
}

void pattern_window_test::a_bad_list_is_refused_with_the_readers_message() {
  QFETCH(QString, content);
  QFETCH(QString, message);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell(QStringLiteral("4.0"), QStringLiteral("8.0"), QStringLiteral("5.0"));
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("good.txt"));
  write_lines(good, observed(line_positions(kOrthoCell, lattice::centring::P, 50), 0.004));
  lattice_window& w = open_lines(p, good);
  QTableView* t = table(p);
  const int columns = t->model()->columnCount();
  const QStringList before = column(t, columns - 4);
  auto* file = w.findChild<QLabel*>(QStringLiteral("ObservedLinesFile"));
  const QString file_before = file->text();

  const QString bad = dir.filePath(QStringLiteral("bad.txt"));
  std::ofstream(bad.toStdString(), std::ios::binary) << content.toStdString();
  open_lines(p, bad);
  auto* said = w.findChild<QLabel*>(QStringLiteral("LatticeMessage"));
  QCOMPARE(said->text(), message);
  QVERIFY(said->isVisible());
  QVERIFY(said->visibleRegion().boundingRect().height() >= said->fontMetrics().height());
  QCOMPARE(t->model()->columnCount(), columns);
  QCOMPARE(column(t, columns - 4), before);
  QCOMPARE(file->text(), file_before);
  QVERIFY(w.findChild<pattern_picture*>(QStringLiteral("PatternPicture"))->isVisible());
}

void pattern_window_test::refine_shows_esds_and_use_takes_the_refined_cell() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  // Typed 5 × 5 × 7; the lines are of 5.0013 × 5.0013 × 7.0009, within the tolerance of it.
  user.enter_ortho_cell(QStringLiteral("5.0"), QStringLiteral("5.0"), QStringLiteral("7.0"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tetragonal.txt"));
  const lattice::cell truth{5.0013, 5.0013, 7.0009, 90, 90, 90};
  write_lines(path, observed(line_positions(truth, lattice::centring::P, 55), 0.003));
  lattice_window& w = open_lines(p, path);
  QTableView* t = table(p);
  const int tp = row_of(t, QStringLiteral("1"), QStringLiteral("tP"));
  QVERIFY(tp >= 0);
  t->selectRow(tp);
  QTest::mouseClick(w.findChild<QAbstractButton*>(QStringLiteral("RefineCell")), Qt::LeftButton);
  auto* refined = w.findChild<QLabel*>(QStringLiteral("RefinedCell"));
  QVERIFY(refined->isVisible());
  QVERIFY(refined->visibleRegion().boundingRect().height() >= refined->fontMetrics().height());
  static const QRegularExpression value(QStringLiteral(R"(([abc]) = (\d+\.(\d+))\((\d+)\))"));
  std::map<QString, std::pair<double, double>> found;  // value, esd
  for (auto it = value.globalMatch(refined->text()); it.hasNext();) {
    const QRegularExpressionMatch hit = it.next();
    const double esd = hit.captured(4).toDouble() * std::pow(10.0, -hit.captured(3).size());
    found[hit.captured(1)] = {hit.captured(2).toDouble(), esd};
  }
  QVERIFY2(found.count("a") && found.count("c"), qPrintable(refined->text()));
  for (const auto& [name, want] :
       {std::pair{QStringLiteral("a"), truth.a}, {QStringLiteral("c"), truth.c}}) {
    const auto [got, esd] = found[name];
    QVERIFY2(esd > 0 && std::abs(got - want) <= 3 * esd + 1e-9, qPrintable(refined->text()));
  }

  QTest::mouseClick(w.findChild<QAbstractButton*>(QStringLiteral("UseCell")), Qt::LeftButton);
  const double a = user.find<QLineEdit>(control::Edit3)->text().toDouble();
  const double c = user.find<QLineEdit>(control::Edit5)->text().toDouble();
  QVERIFY2(std::abs(a - found["a"].first) <= 0.00005, qPrintable(QString::number(a, 'f', 6)));
  QVERIFY2(std::abs(c - found["c"].first) <= 0.00005, qPrintable(QString::number(c, 'f', 6)));
  QCOMPARE(user.find<QListWidget>(control::ListBox3)->currentRow(), kTetra);
}

// The same lines given as d: the same figures; a wavelength that puts a d beyond reach is refused
// and the boxes keep what the lines are weighed with.
void pattern_window_test::a_d_list_weighs_as_its_2theta_list_with_the_wavelength() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell(QStringLiteral("4.0"), QStringLiteral("8.0"), QStringLiteral("5.0"));
  QTemporaryDir dir;
  const std::vector<test_line> lines =
      observed(line_positions(kOrthoCell, lattice::centring::P, 50), 0.004);
  const QString two_theta_file = dir.filePath(QStringLiteral("lines.txt"));
  write_lines(two_theta_file, lines);
  const QString d_file = dir.filePath(QStringLiteral("lines-d.txt"));
  {
    std::ofstream out(d_file.toStdString(), std::ios::binary);
    out.precision(17);
    for (const test_line& l : lines)
      out << 1.540598 / (2 * std::sin(l.two_theta / 2 * M_PI / 180)) << ' ' << l.intensity << '\n';
  }
  lattice_window& w = open_lines(p, two_theta_file);
  QTableView* t = table(p);
  const int m = column_named(t, QStringLiteral("M(N)"));
  QVERIFY(m > 0);
  const QStringList from_two_theta = column(t, m);

  auto* unit = w.findChild<QComboBox*>(QStringLiteral("LineUnit"));
  QVERIFY(unit && unit->isVisible());
  QTRY_COMPARE(unit->visibleRegion().boundingRect(), unit->rect());
  unit->setCurrentIndex(unit->findText(QStringLiteral("d (Å)")));
  open_lines(p, d_file);
  auto* said = w.findChild<QLabel*>(QStringLiteral("LatticeMessage"));
  QCOMPARE(said->text(),
           QStringLiteral("Read %1 observed lines from lines-d.txt").arg(lines.size()));
  QCOMPARE(column(t, m), from_two_theta);

  // The shortest d is about 1.8 Å (2θ 50° at 1.540598 Å): beyond reach of 4 Å, so nothing
  // changes.
  auto* wavelength = w.findChild<QDoubleSpinBox*>(QStringLiteral("Wavelength"));
  wavelength->setValue(4.0);
  QVERIFY2(said->text().contains(QStringLiteral("is below half the wavelength: no reflection")),
           qPrintable(said->text()));
  QTRY_VERIFY2(label_seen_problem(*said).isEmpty(), qPrintable(label_seen_problem(*said)));
  QCOMPARE(wavelength->value(), 1.540598);
  QCOMPARE(unit->currentText(), QStringLiteral("d (Å)"));
  QCOMPARE(column(t, m), from_two_theta);
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::pattern_window_test)
#include "pattern_window_test.moc"
