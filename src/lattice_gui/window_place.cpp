// The window system tells a window's border only once it is shown; the main window's border
// stands in for it before.
#include "lattice_gui/window_place.hpp"

#include <QScreen>
#include <QWidget>
#include <array>
#include <vector>

namespace quarvel::gui {

namespace {

long long area(const QRect& r) {
  return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

// `frame` moved inside `screen` as far as it fits.
QRect inside(QRect frame, const QRect& screen) {
  frame.moveLeft(
      std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width() + 1)));
  frame.moveTop(
      std::max(screen.top(), std::min(frame.top(), screen.bottom() - frame.height() + 1)));
  return frame;
}

}  // namespace

QRect place_beside(const QRect& main, QSize wanted, QSize least, const QRect& screen) {
  wanted = wanted.boundedTo(screen.size());
  least = least.boundedTo(wanted);
  // The free strips of the screen beside the main window, in the order tried.
  const std::array<QRect, 4> strips{
      QRect(QPoint(main.right() + 1, screen.top()), screen.bottomRight()),
      QRect(screen.topLeft(), QPoint(main.left() - 1, screen.bottom())),
      QRect(QPoint(screen.left(), main.bottom() + 1), screen.bottomRight()),
      QRect(screen.topLeft(), QPoint(screen.right(), main.top() - 1)),
  };
  // A frame in the strip, against the main window and level with it where the strip allows.
  auto in_strip = [&](const QRect& strip, QSize size) {
    QRect frame(QPoint(), size);
    if (strip == strips[0]) frame.moveTopLeft({strip.left(), main.top()});
    if (strip == strips[1]) frame.moveTopLeft({strip.right() - size.width() + 1, main.top()});
    if (strip == strips[2]) frame.moveTopLeft({main.left(), strip.top()});
    if (strip == strips[3]) frame.moveTopLeft({main.left(), strip.bottom() - size.height() + 1});
    return inside(frame, strip);
  };
  for (const QRect& strip : strips)
    if (strip.width() >= wanted.width() && strip.height() >= wanted.height())
      return in_strip(strip, wanted);
  const QRect* roomiest = nullptr;
  for (const QRect& strip : strips)
    if (strip.width() >= least.width() && strip.height() >= least.height() &&
        (roomiest == nullptr || area(strip) > area(*roomiest)))
      roomiest = &strip;
  if (roomiest != nullptr) return in_strip(*roomiest, wanted.boundedTo(roomiest->size()));
  // Against each side of the main window, or in a corner of the screen.
  std::vector<QRect> candidates;
  for (const QRect& strip : strips) candidates.push_back(inside(in_strip(strip, wanted), screen));
  for (const QPoint corner :
       {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()})
    candidates.push_back(
        inside(QRect(corner - QPoint(wanted.width(), wanted.height()) / 2, wanted), screen));
  QRect best = candidates.front();
  for (const QRect& c : candidates)
    if (area(c & main) < area(best & main)) best = c;
  return best;
}

void show_beside(QWidget& window, const QWidget& main) {
  // Qt sets WA_Moved once a window is placed, by us or by the user; a shown-again window keeps it.
  if (!window.testAttribute(Qt::WA_Moved) && main.screen() != nullptr) {
    const QMargins border(main.geometry().left() - main.frameGeometry().left(),
                          main.geometry().top() - main.frameGeometry().top(),
                          main.frameGeometry().right() - main.geometry().right(),
                          main.frameGeometry().bottom() - main.geometry().bottom());
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QRect frame = place_beside(main.frameGeometry(), window.size().grownBy(border),
                                     least.grownBy(border), main.screen()->availableGeometry());
    window.setGeometry(frame.marginsRemoved(border));
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace quarvel::gui
