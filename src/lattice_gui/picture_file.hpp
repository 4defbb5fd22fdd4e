// A drawing written as a PNG file, on white, for the windows' picture exports.
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace quarvel::gui {

bool save_png(const QString& path, QSize size,
              const std::function<void(QPainter&, const QRectF&)>& draw);

}  // namespace quarvel::gui
