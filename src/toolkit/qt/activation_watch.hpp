// The main window's activation when the focus comes back to it from the About box. The
// program's windows are compared with the last of them that held the focus: while another
// program is in front none of ours has it, so coming back from there is no return from the
// About box, while leaving the About box for another program and then clicking the main
// window is one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace toolkit::qt {

class activation_watch : public QObject {
 public:
  activation_watch(QWidget& main, std::function<void()> returned);

  void watch(QWidget& about_box);
  // The application's focus window changed; null while another program has the focus.
  void focus_moved(QWindow* now);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& main_;
  QPointer<QWidget> about_;
  QPointer<QWindow> last_;  // the last window of the program that held the focus
  std::function<void()> returned_;
};

}  // namespace toolkit::qt
