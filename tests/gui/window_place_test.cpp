// Where the lattice windows open on a 1920 x 1080 screen: beside Form1, not over it, and where
// the user left them when they open again.
#include "lattice_gui/window_place.hpp"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "window_driver.hpp"

namespace quarvel::gui {

class window_place_test : public QObject {
  Q_OBJECT

 private slots:
  void a_frame_goes_where_the_screen_has_room_data();
  void a_frame_goes_where_the_screen_has_room();
  void the_windows_open_beside_form1_and_keep_their_place_data();
  void the_windows_open_beside_form1_and_keep_their_place();
};

void window_place_test::a_frame_goes_where_the_screen_has_room_data() {
  QTest::addColumn<QRect>("main");
  QTest::addColumn<QSize>("wanted");
  QTest::addColumn<QSize>("least");
  QTest::addColumn<QRect>("expected");
  const QRect screen(0, 0, 1920, 1080);
  QTest::newRow("right, level with it") << QRect(0, 100, 900, 700) << QSize(1000, 500)
                                        << QSize(600, 400) << QRect(900, 100, 1000, 500);
  QTest::newRow("left when the right is short") << QRect(1000, 100, 900, 700) << QSize(900, 500)
                                                << QSize(600, 400) << QRect(100, 100, 900, 500);
  QTest::newRow("shrunk into the roomier side") << QRect(400, 100, 900, 700) << QSize(1000, 500)
                                                << QSize(600, 400) << QRect(1300, 100, 620, 500);
  QTest::newRow("below when no side holds it") << QRect(500, 0, 940, 560) << QSize(1000, 500)
                                               << QSize(600, 400) << QRect(500, 560, 1000, 500);
  // No room anywhere: the least of the main window covered, inside the screen.
  QTest::newRow("covering least") << QRect(490, 160, 940, 760) << QSize(1100, 480)
                                  << QSize(700, 300) << QRect(0, 0, 1100, 480);
}

void window_place_test::a_frame_goes_where_the_screen_has_room() {
  QFETCH(QRect, main);
  QFETCH(QSize, wanted);
  QFETCH(QSize, least);
  QFETCH(QRect, expected);
  QCOMPARE(place_beside(main, wanted, least, QRect(0, 0, 1920, 1080)), expected);
}

void window_place_test::the_windows_open_beside_form1_and_keep_their_place_data() {
  QTest::addColumn<QString>("item");
  QTest::newRow("Lattice symmetry") << "LatticeSymmetry1";
  QTest::newRow("Compare solutions") << "CompareSolutions1";
}

void window_place_test::the_windows_open_beside_form1_and_keep_their_place() {
  QFETCH(QString, item);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  const QRect screen = p.window().screen()->availableGeometry();
  QCOMPARE(screen.size(), QSize(1920, 1080));
  p.window().findChild<QAction*>(item)->trigger();
  QWidget* w = QApplication::activeWindow();
  QTRY_VERIFY((w = QApplication::activeWindow()) != &p.window() && w != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(w));
  const QRect form = p.window().frameGeometry();
  QVERIFY2(!w->frameGeometry().intersects(form),
           qPrintable(QStringLiteral("%1,%2 %3x%4 beside %5,%6")
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(form.x())
                          .arg(form.y())));
  QVERIFY(screen.contains(w->frameGeometry()));
  QVERIFY2(w->width() >= w->minimumSizeHint().width(),
           qPrintable(QStringLiteral("%1 %2")
                          .arg(w->minimumSizeHint().width())
                          .arg(p.window().frameGeometry().x())));

  // Moved and resized by the user, closed and opened again: where it was left.
  const QRect left_at = w->geometry().adjusted(30, 20, 0, 40);
  w->setGeometry(left_at);
  w->close();
  QTRY_VERIFY(!w->isVisible());
  p.window().findChild<QAction*>(item)->trigger();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QCOMPARE(w->geometry(), left_at);
}

}  // namespace quarvel::gui

// The offscreen platform's screen is 800 x 600 unless a configuration names another.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  QApplication app(argc, argv);
  quarvel::gui::window_place_test test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_place_test.moc"
