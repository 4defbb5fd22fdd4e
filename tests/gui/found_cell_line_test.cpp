// What a person sees of a found cell's explanation: a line of its own under the found-cell list,
// shown, on top, inside the window and readable, whether or not the list is full; and when it is
// full, the list-full message beside it in the status line, readable too.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>

#include "lattice_user.hpp"
#include "main/found_cell_lattice.hpp"
#include "main/starting_cell.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "screen_room.hpp"
#include "window_driver.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

// Pixels of the window's picture inside `area` that differ from its most common colour there:
// the drawn text.
int drawn_pixels(const QImage& shot, QRect area) {
  area = QRectF(QRectF(area).topLeft() * shot.devicePixelRatio(),
                QRectF(area).size() * shot.devicePixelRatio())
             .toAlignedRect() &
         shot.rect();
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
  int most = 0;
  for (const auto& [colour, n] : counts) most = std::max(most, n);
  return int(area.width()) * area.height() - most;
}

}  // namespace

class found_cell_line_test : public QObject {
  Q_OBJECT

 private slots:
  void the_explanation_is_seen_under_the_list_data();
  void the_explanation_is_seen_under_the_list();
  void the_least_window_fits_a_small_screen_and_keeps_the_line();
};

void found_cell_line_test::the_explanation_is_seen_under_the_list_data() {
  QTest::addColumn<int>("system");  // in the keyboard's system list
  QTest::addColumn<QStringList>("edges");
  QTest::addColumn<int>("row");
  QTest::addColumn<bool>("full");
  const int ortho = mathhkl::keyboard_list_index(mathhkl::crystal_system::orthorhombic);
  const int cubic = mathhkl::keyboard_list_index(mathhkl::crystal_system::cubic);
  QTest::newRow("a finished list") << ortho << QStringList{"5.0", "8.6603", "7.0"} << 12 << false;
  QTest::newRow("a full list") << cubic << QStringList{"4", "4", "4"} << 3 << true;
}

void found_cell_line_test::the_explanation_is_seen_under_the_list() {
  QFETCH(int, system);
  QFETCH(QStringList, edges);
  QFETCH(int, row);
  QFETCH(bool, full);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  QWidget& window = p.window();
  const QSize written = window.size();
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, system);
  const control fields[] = {control::Edit3, control::Edit4, control::Edit5};
  for (int k = 0; k < 3; ++k) user.type(fields[k], edges[k]);
  if (full) user.answer(QMessageBox::Ok);
  user.click(control::BitBtn6);
  auto* list = user.find<QListWidget>(control::ListBox4);
  QTRY_VERIFY(list->count() > row);
  QVERIFY(user.unexpected_boxes().isEmpty());
  user.pick(control::ListBox4, row);

  const elided_label& line = p.lattice().found_cell_line();
  const std::optional<found_line_fields> f = read_found_line(list->item(row)->text().toStdString());
  QVERIFY(f.has_value());
  const QString expected = QStringLiteral("Cell %1: %2")
                               .arg(row + 1)
                               .arg(QString::fromStdString(explanation_text(explain_found_cell(
                                   *f, searched_cell(p.form()), lattice::kDefaultDeltaLimit))));
  QCOMPARE(line.full_text(), expected);
  QTRY_VERIFY2(seen_problem(line, window).isEmpty(), qPrintable(seen_problem(line, window)));
  // Under the list, clear of it.
  QVERIFY(in_window(line, window).top() >= in_window(*list, window).bottom());
  // Readable: the text shown fits, and a cut text is whole in the tooltip.
  QVERIFY(!line.text().isEmpty());
  QVERIFY(line.fontMetrics().horizontalAdvance(line.text()) <= line.contentsRect().width());
  QVERIFY(line.text() == line.full_text() || line.toolTip() == line.full_text());
  const QImage shot = window.grab().toImage();
  QVERIFY(drawn_pixels(shot, in_window(line, window)) > 100);

  auto* status = window.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
  QCOMPARE(status->isVisible(), full);
  if (full) {
    QVERIFY(status->currentMessage().startsWith(QStringLiteral("The list is full: 500")));
    QVERIFY2(seen_problem(*status, window).isEmpty(), qPrintable(seen_problem(*status, window)));
    QVERIFY(!in_window(*status, window).intersects(in_window(line, window)));
    QVERIFY(status->fontMetrics().horizontalAdvance(status->currentMessage()) <=
            status->contentsRect().width());
    QVERIFY(drawn_pixels(shot, in_window(*status, window)) > 100);
  }
  QCOMPARE(window.size(), written);
}

void found_cell_line_test::the_least_window_fits_a_small_screen_and_keeps_the_line() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  user.click(control::BitBtn6);
  QTRY_VERIFY(user.lines(control::ListBox4).size() > 10);
  QWidget& window = p.window();
  window.resize(1, 1);
  QTRY_VERIFY(window.width() <= kSmallScreenRoom.width() &&
              window.height() <= kSmallScreenRoom.height());
  user.pick(control::ListBox4, 0);
  const elided_label& line = p.lattice().found_cell_line();
  QTRY_VERIFY2(seen_problem(line, window).isEmpty(), qPrintable(seen_problem(line, window)));
  auto* list = user.find<QListWidget>(control::ListBox4);
  QVERIFY(in_window(line, window).top() >= in_window(*list, window).bottom());
  QVERIFY(list->viewport()->height() >= 5 * 14);  // a few lines still
  QVERIFY(line.fontMetrics().horizontalAdvance(line.text()) <= line.contentsRect().width());
  QVERIFY(line.full_text().startsWith(QStringLiteral("Cell 1: ")));
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::found_cell_line_test)
#include "found_cell_line_test.moc"
