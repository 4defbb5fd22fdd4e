// Every framed control shows its whole frame in the window as drawn at the scaling of the run
// (QT_SCALE_FACTOR, set by the test's registration), panels shown as in each entry mode.
#include <QAbstractScrollArea>
#include <QFrame>
#include <QImage>
#include <QTest>
#include <cmath>

#include "toolkit/qt/qt_toolkit.hpp"

namespace toolkit::qt {
namespace {

// The colour that fills a framed control inside its frame.
QColor inside_colour(const QFrame& frame) {
  if (qobject_cast<const QAbstractScrollArea*>(&frame) != nullptr) {
    return frame.palette().color(QPalette::Base);
  }
  return frame.palette().color(QPalette::Window);
}

// Edges of `frame` whose band of frame width shows only the inside and the parent's colour.
QStringList missing_edges(const QImage& shot, const QWidget& window, const QFrame& frame) {
  const double scale = shot.devicePixelRatio();
  const QPointF origin = frame.mapTo(&window, QPointF(0, 0)) * scale;
  const QSizeF size = QSizeF(frame.size()) * scale;
  const double band = frame.frameWidth() * scale;
  const QColor inside = inside_colour(frame);
  const QColor outside = frame.parentWidget()->palette().color(QPalette::Window);
  auto drawn = [&](double x0, double y0, double x1, double y1) {
    for (int y = int(std::floor(y0)); y < int(std::ceil(y1)); ++y) {
      for (int x = int(std::floor(x0)); x < int(std::ceil(x1)); ++x) {
        const QColor c = shot.pixelColor(x, y);
        if (c != inside && c != outside) return true;
      }
    }
    return false;
  };
  const double mid_x = origin.x() + size.width() / 2;
  const double mid_y = origin.y() + size.height() / 2;
  const double right = origin.x() + size.width();
  const double bottom = origin.y() + size.height();
  QStringList missing;
  if (!drawn(mid_x, origin.y(), mid_x + 1, origin.y() + band)) missing << QStringLiteral("top");
  if (!drawn(mid_x, bottom - band, mid_x + 1, bottom)) missing << QStringLiteral("bottom");
  if (!drawn(origin.x(), mid_y, origin.x() + band, mid_y + 1)) missing << QStringLiteral("left");
  if (!drawn(right - band, mid_y, right, mid_y + 1)) missing << QStringLiteral("right");
  return missing;
}

}  // namespace

class frame_test : public QObject {
  Q_OBJECT

 private slots:
  void every_frame_is_drawn_data();
  void every_frame_is_drawn();
};

void frame_test::every_frame_is_drawn_data() {
  QTest::addColumn<control>("entry_panel");
  QTest::addColumn<control>("hidden_panel");  // the two overlap
  QTest::newRow("keyboard mode") << control::Panel1 << control::Panel4;
  QTest::newRow("Crysfire mode") << control::Panel4 << control::Panel1;
}

void frame_test::every_frame_is_drawn() {
  QFETCH(control, entry_panel);
  QFETCH(control, hidden_panel);
  qt_toolkit tk;
  tk.set_visible(hidden_panel, false);
  for (control panel : {control::Panel2, control::Panel3, control::Panel5, entry_panel}) {
    tk.set_visible(panel, true);
  }
  tk.show_window(control::Form1);
  QVERIFY(QTest::qWaitForWindowExposed(&tk.window()));
  const QImage shot = tk.window().grab().toImage();
  int checked = 0;
  for (const QFrame* frame : tk.window().findChildren<QFrame*>()) {
    if (!frame->isVisible() || frame->frameWidth() == 0 || frame->objectName().isEmpty()) continue;
    ++checked;
    const QStringList missing = missing_edges(shot, tk.window(), *frame);
    QVERIFY2(missing.isEmpty(),
             qPrintable(frame->objectName() + QStringLiteral(" lacks its ") +
                        missing.join(QStringLiteral(", ")) + QStringLiteral(" edge")));
  }
  QVERIFY(checked >= 7);  // four panels and the visible lists at least
}

}  // namespace toolkit::qt

QTEST_MAIN(toolkit::qt::frame_test)
#include "frame_test.moc"
