// Pending events processed from inside a long handler. A pass over the event queue costs far
// more than the search's step between two calls, and so would reading an exact clock at every
// call; so the coarse monotonic clock (a few nanoseconds to read, ticking every few
// milliseconds) is read once every kCallsPerReading calls (the toolkit leaves the others out),
// and a pass is made once kSpacing has gone by since the last one.
#pragma once

#include <time.h>

#include <QCoreApplication>
#include <chrono>

namespace toolkit::qt {

class message_pump {
 public:
  static constexpr std::chrono::nanoseconds kSpacing = std::chrono::milliseconds(8);
  static constexpr int kCallsPerReading = 16;

  // True when a pass was made; the first call of all makes one.
  bool pump() {
    if (coarse_now() - last_pass_ < kSpacing) return false;
    QCoreApplication::processEvents();
    last_pass_ = coarse_now();
    return true;
  }

 private:
  static std::chrono::nanoseconds coarse_now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
  }

  std::chrono::nanoseconds last_pass_ = coarse_now() - kSpacing;
};

}  // namespace toolkit::qt
