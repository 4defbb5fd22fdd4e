// Form1's own window: a main window that reports its closing, however it was asked to close.
#pragma once

#include <QCloseEvent>
#include <QMainWindow>
#include <functional>

namespace toolkit::qt {

class main_window : public QMainWindow {
  Q_OBJECT

 public:
  main_window() = default;
  void on_close(std::function<void()> closing) { closing_ = std::move(closing); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    if (closing_) closing_();
  }

 private:
  std::function<void()> closing_;
};

}  // namespace toolkit::qt
