// Sticks scaled to the strongest line (a line without intensity drawn full height); lines and
// ticks one device pixel wide and without antialiasing, so that each sits on its own column.
#include "lattice_gui/pattern_picture.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "lattice_gui/picture_file.hpp"

namespace quarvel::gui {

namespace {

constexpr double kMargin = 2;        // degrees 2θ beyond the outermost lines
constexpr double kNarrowest = 0.2;   // degrees 2θ: zooming stops there
constexpr double kWheelStep = 1.25;  // one wheel notch narrows or widens the range by this

// A tick step of 1, 2 or 5 times a power of ten giving about `wanted` labels over `span`.
double tick_step(double span, int wanted) {
  const double raw = span / wanted;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (raw <= m * power) return m * power;
  return 10 * power;
}

}  // namespace

pattern_picture::pattern_picture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PatternPicture"));
  setAccessibleName(QStringLiteral("Pattern picture"));
  setToolTip(
      QStringLiteral("Wheel or +/− zooms along 2θ, arrows move, 0 or a double click shows "
                     "the whole pattern"));
  setMinimumSize(320, 170);
  setFocusPolicy(Qt::StrongFocus);
}

void pattern_picture::set_view(view v) {
  const bool same_lines =
      !view_.lines.empty() && v.lines.size() == view_.lines.size() &&
      std::equal(v.lines.begin(), v.lines.end(), view_.lines.begin(),
                 [](const auto& x, const auto& y) { return x.two_theta == y.two_theta; });
  view_ = std::move(v);
  if (!view_.lines.empty()) {
    lowest_ = std::max(0.0, view_.lines.front().two_theta - kMargin);
    highest_ = std::min(180.0, view_.lines.back().two_theta + kMargin);
  }
  // Another entry of the same list keeps the zoom; another list starts whole.
  if (!same_lines) reset_zoom();
  update();
}

void pattern_picture::clear() {
  view_ = {};
  update();
}

void pattern_picture::zoom(double factor, double about) {
  const double span = std::clamp((to_ - from_) * factor, kNarrowest, highest_ - lowest_);
  const double share = to_ > from_ ? (about - from_) / (to_ - from_) : 0.5;
  from_ = std::clamp(about - share * span, lowest_, highest_ - span);
  to_ = from_ + span;
  update();
}

void pattern_picture::reset_zoom() {
  from_ = lowest_;
  to_ = highest_;
  update();
}

pattern_picture::areas pattern_picture::layout(const QRectF& area) const {
  const QFontMetricsF fm(font());
  areas a;
  const double label =
      std::max(fm.horizontalAdvance(view_.input_label), fm.horizontalAdvance(view_.entry_label));
  a.left =
      std::round(area.left() + std::max(label, fm.horizontalAdvance(QStringLiteral("I"))) + 14);
  a.right = std::round(area.right() - 12);
  const double row = std::round(fm.height() + 6);
  a.axis = std::round(area.bottom() - 2 * fm.height() - 8);
  a.rows[1] = QRectF(a.left, a.axis - row, a.right - a.left, row);
  a.rows[0] = QRectF(a.left, a.axis - 2 * row, a.right - a.left, row);
  const double top = area.top() + 8;
  a.sticks = QRectF(a.left, top, a.right - a.left, std::max(10.0, a.rows[0].top() - 4 - top));
  return a;
}

double pattern_picture::x_of(double two_theta, const QRectF& area) const {
  return x_in(layout(area), two_theta);
}

double pattern_picture::x_in(const areas& a, double two_theta) const {
  return std::round(a.left + (two_theta - from_) / (to_ - from_) * (a.right - a.left));
}

double pattern_picture::two_theta_at(double x) const {
  const areas a = layout(QRectF(rect()));
  return from_ + (x - a.left) / (a.right - a.left) * (to_ - from_);
}

void pattern_picture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  draw(p, QRectF(rect()));
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -1.5, -1.5));
  }
}

void pattern_picture::draw(QPainter& p, const QRectF& area) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (view_.lines.empty()) {
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(area, Qt::AlignCenter, QStringLiteral("File ▸ Open observed lines… to see them"));
    return;
  }
  const areas a = layout(area);
  double strongest = 0;
  for (const pattern::observed_line& l : view_.lines)
    strongest = std::max(strongest, l.intensity.value_or(0));
  p.save();
  p.setClipRect(QRectF(a.left, area.top(), a.right - a.left + 1, area.height()));
  for (std::size_t i = 0; i < view_.lines.size(); ++i) {
    const pattern::observed_line& l = view_.lines[i];
    const double share = l.intensity && strongest > 0 ? *l.intensity / strongest : 1.0;
    const bool indexed = i < view_.entry.match.size() && view_.entry.match[i];
    const bool super = i < view_.superstructure.size() && view_.superstructure[i];
    p.setPen(QPen(super     ? kSuperstructure
                  : indexed ? kIndexed
                            : kUnindexed,
                  2, Qt::SolidLine, Qt::FlatCap));
    const double x = x_in(a, l.two_theta);
    p.drawLine(QPointF(x, a.sticks.bottom()),
               QPointF(x, a.sticks.bottom() - std::max(2.0, share * a.sticks.height())));
  }
  // The entry's lines that index a superstructure line carry its colour too.
  std::vector<bool> super_ticks(view_.entry.calculated_two_theta.size());
  for (std::size_t i = 0; i < view_.entry.match.size(); ++i)
    if (view_.entry.match[i] && i < view_.superstructure.size() && view_.superstructure[i])
      super_ticks[*view_.entry.match[i]] = true;
  draw_ticks(p, a, 0, view_.input, {});
  draw_ticks(p, a, 1, view_.entry, super_ticks);
  p.restore();
  draw_axis(p, a, area);
  const QFontMetricsF fm(p.font());
  for (int row = 0; row < 2; ++row) {
    p.setPen(row == 0 ? kInputTick : kEntryTick);
    const QString& label = row == 0 ? view_.input_label : view_.entry_label;
    p.drawText(QPointF(area.left() + 4, a.rows[row].center().y() + fm.ascent() / 2 - 1), label);
  }
}

void pattern_picture::draw_ticks(QPainter& p, const areas& a, int row,
                                 const pattern::indexed_pattern& ip,
                                 const std::vector<bool>& super_ticks) const {
  const QRectF& r = a.rows[row];
  for (std::size_t k = 0; k < ip.calculated_two_theta.size(); ++k) {
    const double t = ip.calculated_two_theta[k];
    if (!std::isfinite(t) || t < from_ || t > to_) continue;
    const bool super = k < super_ticks.size() && super_ticks[k];
    p.setPen(QPen(super ? kSuperstructure : row == 0 ? kInputTick : kEntryTick, 1));
    const double x = x_in(a, t);
    p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
  }
}

void pattern_picture::draw_axis(QPainter& p, const areas& a, const QRectF& area) const {
  const QFontMetricsF fm(p.font());
  p.setPen(palette().color(QPalette::Text));
  p.drawLine(QPointF(a.left, a.axis), QPointF(a.right, a.axis));
  const double step = tick_step(to_ - from_, 8);
  for (double t = std::ceil(from_ / step) * step; t <= to_ + 1e-9; t += step) {
    const double x = x_in(a, t);
    p.drawLine(QPointF(x, a.axis), QPointF(x, a.axis + 4));
    const QString text = QString::number(t, 'g', 6);
    p.drawText(QPointF(x - fm.horizontalAdvance(text) / 2, a.axis + fm.height() + 2), text);
  }
  const QString unit = QStringLiteral("2θ (°)");
  const double base = area.bottom() - 4;
  p.drawText(QPointF(a.right - fm.horizontalAdvance(unit), base), unit);
  // The legend, left under the axis.
  double x = a.left;
  const std::pair<QColor, QString> keys[] = {{kIndexed, QStringLiteral("indexed")},
                                             {kSuperstructure, QStringLiteral("superstructure")},
                                             {kUnindexed, QStringLiteral("unindexed")}};
  for (const auto& [colour, name] : keys) {
    p.fillRect(QRectF(x, base - fm.ascent() + 2, 10, fm.ascent() - 3), colour);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QPointF(x + 14, base), name);
    x += 14 + fm.horizontalAdvance(name) + 16;
  }
}

void pattern_picture::wheelEvent(QWheelEvent* event) {
  if (empty()) return event->ignore();
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return event->ignore();
  zoom(std::pow(kWheelStep, -notches), two_theta_at(event->position().x()));
  event->accept();
}

void pattern_picture::keyPressEvent(QKeyEvent* event) {
  const double middle = (from_ + to_) / 2, shift = (to_ - from_) / 10;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return zoom(1 / kWheelStep, middle);
    case Qt::Key_Minus:
      return zoom(kWheelStep, middle);
    case Qt::Key_0:
    case Qt::Key_Home:
      return reset_zoom();
    case Qt::Key_Left:
      return zoom(1, middle - shift);
    case Qt::Key_Right:
      return zoom(1, middle + shift);
    default:
      QWidget::keyPressEvent(event);
  }
}

void pattern_picture::mouseDoubleClickEvent(QMouseEvent*) {
  reset_zoom();
}

bool pattern_picture::save(const QString& path) const {
  return save_png(path, size().expandedTo(sizeHint()),
                  [this](QPainter& p, const QRectF& area) { draw(p, area); });
}

}  // namespace quarvel::gui
