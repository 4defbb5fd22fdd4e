// Answers the message boxes that handlers show, from inside their own event loops.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <deque>

namespace quarvel::gui {

class box_answerer {
 public:
  box_answerer();

  // The next boxes are answered in order with these buttons; a box without an answer is
  // cancelled and counted as unexpected.
  void answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
  const QStringList& boxes() const { return boxes_; }
  const QStringList& unexpected_boxes() const { return unexpected_; }

 private:
  void answer_box();

  QTimer watch_;
  std::deque<QMessageBox::StandardButton> answers_;
  QStringList boxes_;
  QStringList unexpected_;
};

}  // namespace quarvel::gui
