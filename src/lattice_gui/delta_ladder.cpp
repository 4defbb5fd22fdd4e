// Types from the most symmetric at the top; delta from 0.001 degrees (everything less is drawn
// there) to the larger of the limit and the largest delta.
#include "lattice_gui/delta_ladder.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "lattice_gui/picture_file.hpp"

namespace quarvel::gui {

namespace {

constexpr double kFloor = 1e-3;

}  // namespace

delta_ladder::delta_ladder(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DeltaLadder"));
  setMinimumSize(220, 200);
  setAccessibleName(QStringLiteral("Delta ladder"));
}

void delta_ladder::set_entries(const std::vector<lattice::lattice_entry>& entries, double limit) {
  rungs_.clear();
  for (const lattice::lattice_entry& e : entries) {
    auto same = [&](const rung& r) { return r.type == e.bravais; };
    auto it = std::find_if(rungs_.begin(), rungs_.end(), same);
    if (it == rungs_.end()) {
      rungs_.push_back({e.bravais, e.delta, e.index});
    } else if (e.delta < it->delta) {
      it->delta = e.delta;
      it->index = e.index;
    }
  }
  std::sort(rungs_.begin(), rungs_.end(), [](const rung& x, const rung& y) {
    return static_cast<int>(x.type) > static_cast<int>(y.type);
  });
  limit_ = limit;
  update();
}

void delta_ladder::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  draw(p, QRectF(rect()));
}

void delta_ladder::draw(QPainter& p, const QRectF& area) const {
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF fm(p.font());
  const double left = area.left() + fm.horizontalAdvance(QStringLiteral("hR ×10")) + 12;
  const double right = area.right() - 12, top = area.top() + 8;
  const double bottom = area.bottom() - 2.5 * fm.height();
  double largest = limit_;
  for (const rung& r : rungs_) largest = std::max(largest, r.delta);
  const double lo = std::log10(kFloor), hi = std::log10(largest * 1.5);
  auto x_of = [&](double delta) {
    return left + (std::log10(std::max(delta, kFloor)) - lo) / (hi - lo) * (right - left);
  };
  p.setPen(palette().color(QPalette::Text));
  p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
  for (int decade = static_cast<int>(std::ceil(lo)); decade <= static_cast<int>(std::floor(hi));
       ++decade) {
    const double x = x_of(std::pow(10.0, decade));
    p.drawLine(QPointF(x, bottom), QPointF(x, bottom + 4));
    const QString label = decade < 0 ? QString::number(std::pow(10.0, decade), 'g', 1)
                                     : QString::number(static_cast<int>(std::pow(10.0, decade)));
    p.drawText(QPointF(x - fm.horizontalAdvance(label) / 2, bottom + fm.height() + 2), label);
  }
  p.drawText(QPointF(right - fm.horizontalAdvance(QStringLiteral("δ (°)")), area.bottom() - 4),
             QStringLiteral("δ (°)"));
  const double step = rungs_.empty() ? 0 : (bottom - top) / static_cast<double>(rungs_.size());
  for (size_t i = 0; i < rungs_.size(); ++i) {
    const rung& r = rungs_[i];
    const double y = top + step * (static_cast<double>(i) + 0.5);
    QString name = QString::fromUtf8(lattice::bravais_name(r.type).data());
    if (r.index > 1) name += QStringLiteral(" ×%1").arg(r.index);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QPointF(area.left() + 4, y + fm.ascent() / 2 - 1), name);
    p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    p.drawLine(QPointF(left, y), QPointF(x_of(r.delta), y));
    p.setPen(Qt::NoPen);
    p.setBrush(r.delta <= limit_ ? QColor(0, 110, 180) : QColor(170, 170, 170));
    p.drawEllipse(QPointF(x_of(r.delta), y), 5, 5);
  }
  p.setPen(QPen(QColor(200, 40, 40), 1.5, Qt::DashLine));
  p.drawLine(QPointF(x_of(limit_), top), QPointF(x_of(limit_), bottom));
}

bool delta_ladder::save(const QString& path) const {
  return save_png(path, size().expandedTo(sizeHint()),
                  [this](QPainter& p, const QRectF& area) { draw(p, area); });
}

}  // namespace quarvel::gui
