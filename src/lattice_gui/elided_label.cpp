#include "lattice_gui/elided_label.hpp"

#include <QEvent>

namespace quarvel::gui {

elided_label::elided_label(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void elided_label::set_full_text(const QString& text) {
  full_ = text;
  elide();
}

void elided_label::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void elided_label::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) elide();
}

void elided_label::elide() {
  const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
  setText(shown);
  setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace quarvel::gui
