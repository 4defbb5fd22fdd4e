#include "lattice_gui/picture_file.hpp"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

namespace quarvel::gui {

bool save_png(const QString& path, QSize size,
              const std::function<void(QPainter&, const QRectF&)>& draw) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  draw(p, QRectF(QPoint(0, 0), size));
  p.end();
  // Written beside the target and renamed over it, so a failure leaves no partial picture.
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

}  // namespace quarvel::gui
