// A short timer looks for the modal box; a box's event loop runs timers too.
#include "box_answerer.hpp"

#include <QAbstractButton>
#include <QApplication>

namespace quarvel::gui {

box_answerer::box_answerer() {
  QObject::connect(&watch_, &QTimer::timeout, [this] { answer_box(); });
  watch_.start(5);
}

void box_answerer::answer_box() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  QAbstractButton* button = answers_.empty() ? nullptr : box->button(answers_.front());
  if (button == nullptr) {
    unexpected_ << box->text();
    box->reject();
    return;
  }
  answers_.pop_front();
  boxes_ << box->text();
  button->click();
}

}  // namespace quarvel::gui
