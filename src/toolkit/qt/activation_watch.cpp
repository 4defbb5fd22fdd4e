// Focus changes of the program's windows, and the About box handing the focus back.
#include "toolkit/qt/activation_watch.hpp"

#include <QEvent>
#include <QGuiApplication>

namespace toolkit::qt {

activation_watch::activation_watch(QWidget& main, std::function<void()> returned)
    : main_(main), returned_(std::move(returned)) {
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &activation_watch::focus_moved);
}

void activation_watch::watch(QWidget& about_box) {
  about_ = &about_box;
  about_box.installEventFilter(this);
}

void activation_watch::focus_moved(QWindow* now) {
  if (now == nullptr) return;
  const bool from_about = about_ != nullptr && last_ != nullptr && last_ == about_->windowHandle();
  last_ = now;
  if (from_about && now == main_.windowHandle()) returned_();
}

bool activation_watch::eventFilter(QObject* watched, QEvent* event) {
  // A desktop without a window manager gives the focus to no window when the focused one hides.
  if (event->type() == QEvent::Hide && watched == about_ && last_ != nullptr &&
      last_ == about_->windowHandle() && main_.isVisible()) {
    main_.activateWindow();
  }
  return false;
}

}  // namespace toolkit::qt
