// The delta ladder: each Bravais type the lattice reaches against its obliquity on a log scale,
// with the current limit as a line, so that real symmetry (delta near 0) stands apart from
// pseudo-symmetry (delta of degrees) at a glance.
#pragma once

#include <QWidget>
#include <vector>

#include "lattice/analysis.hpp"

namespace quarvel::gui {

class delta_ladder : public QWidget {
  Q_OBJECT

 public:
  explicit delta_ladder(QWidget* parent = nullptr);
  void set_entries(const std::vector<lattice::lattice_entry>& entries, double limit);
  // The picture alone as PNG, for the exports.
  bool save(const QString& path) const;

  QSize sizeHint() const override { return {320, 360}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void draw(QPainter& p, const QRectF& area) const;

  struct rung {
    lattice::bravais_type type;
    double delta;  // the least of the type's entries
    int index;     // of that entry
  };
  std::vector<rung> rungs_;
  double limit_ = lattice::kDefaultDeltaLimit;
};

}  // namespace quarvel::gui
