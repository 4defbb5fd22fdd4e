// The pattern picture: the observed lines as sticks over the 2θ axis, and under them the
// calculated lines of the input lattice and of the selected entry as two rows of ticks, so that
// a line only the entry indexes (a superstructure line) or none indexes stands out.
#pragma once

#include <QWidget>
#include <vector>

#include "pattern/indexing.hpp"

namespace quarvel::gui {

class pattern_picture : public QWidget {
  Q_OBJECT

 public:
  // What the picture shows; the indexed patterns are of the same observed lines.
  struct view {
    std::vector<pattern::observed_line> lines;
    pattern::indexed_pattern input;    // the input lattice with its centring
    pattern::indexed_pattern entry;    // the selected entry
    std::vector<bool> superstructure;  // per observed line: indexed by the entry only
    QString input_label, entry_label;
  };

  static inline const QColor kIndexed{40, 40, 40};
  static inline const QColor kSuperstructure{225, 120, 0};
  static inline const QColor kUnindexed{205, 30, 30};
  static inline const QColor kInputTick{110, 110, 110};
  static inline const QColor kEntryTick{0, 110, 180};

  explicit pattern_picture(QWidget* parent = nullptr);
  void set_view(view v);
  void clear();
  bool empty() const { return view_.lines.empty(); }

  // The 2θ range shown; zooming keeps it inside the whole pattern's.
  double shown_from() const { return from_; }
  double shown_to() const { return to_; }
  void zoom(double factor, double about_two_theta);  // factor < 1 narrows the range
  void reset_zoom();

  // Where things are drawn in the widget, for the tests and the saved picture alike.
  double x_of(double two_theta) const { return x_of(two_theta, QRectF(rect())); }
  QRectF sticks_area() const { return layout(QRectF(rect())).sticks; }
  QRectF tick_row(int row) const { return layout(QRectF(rect())).rows[row]; }

  // The picture alone as PNG, for the exports.
  bool save(const QString& path) const;

  QSize sizeHint() const override { return {900, 240}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct areas {
    QRectF sticks;
    QRectF rows[2];
    double axis = 0;  // y of the 2θ axis
    double left = 0, right = 0;
  };
  areas layout(const QRectF& area) const;
  double x_of(double two_theta, const QRectF& area) const;
  double x_in(const areas& a, double two_theta) const;
  double two_theta_at(double x) const;
  void draw(QPainter& p, const QRectF& area) const;
  void draw_ticks(QPainter& p, const areas& a, int row, const pattern::indexed_pattern& ip,
                  const std::vector<bool>& super_ticks) const;
  void draw_axis(QPainter& p, const areas& a, const QRectF& area) const;

  view view_;
  double lowest_ = 0, highest_ = 90;  // the whole pattern's range
  double from_ = 0, to_ = 90;
};

}  // namespace quarvel::gui
