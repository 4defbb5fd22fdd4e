// Programs started without waiting for them, watched only to report the ones that fail.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace toolkit::qt {

class launcher : public QObject {
 public:
  launcher() = default;
  // A launcher that is still running (a desktop opener can wait for the editor it started) is
  // stopped without a report; what it opened stays open.
  ~launcher() override;

  // `failed` runs from the event loop when the program cannot start or exits with a status
  // other than 0.
  void start(const QString& program, const QStringList& arguments, std::function<void()> failed);
};

}  // namespace toolkit::qt
