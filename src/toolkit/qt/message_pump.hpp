// Pending events processed from inside a long handler. A pass over the event queue costs far
// more than the search's step between two calls, so passes are spaced: never closer than
// 20 ms, and the first call after that makes one. Calls that come at least every 30 ms thus
// keep the window answering at least every 50 ms.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace toolkit::qt {

class message_pump {
 public:
  static constexpr qint64 kSpacingMs = 20;

  void pump() {
    if (since_pass_.isValid() && since_pass_.elapsed() < kSpacingMs) return;
    QCoreApplication::processEvents();
    since_pass_.start();
  }

 private:
  QElapsedTimer since_pass_;
};

}  // namespace toolkit::qt
