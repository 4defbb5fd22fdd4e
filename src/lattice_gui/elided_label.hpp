// A one-line label that shows as much of its text as its width allows, cut with "…", and the
// whole text as its tooltip when cut. Its width comes from the layout, never from the text, so
// that a long text cannot widen the window.
#pragma once

#include <QLabel>

namespace quarvel::gui {

class elided_label : public QLabel {
  Q_OBJECT

 public:
  explicit elided_label(QWidget* parent = nullptr);

  void set_full_text(const QString& text);
  const QString& full_text() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void elide();

  QString full_;
};

}  // namespace quarvel::gui
