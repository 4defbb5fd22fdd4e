#include "toolkit/qt/launcher.hpp"

#include <QProcess>

namespace toolkit::qt {

launcher::~launcher() {
  for (QProcess* process : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
    process->disconnect(this);
    process->kill();
    process->waitForFinished();
  }
}

void launcher::start(const QString& program, const QStringList& arguments,
                     std::function<void()> failed) {
  auto* process = new QProcess(this);
  // The opener's own complaints still reach the terminal that started the program.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setInputChannelMode(QProcess::ForwardedInputChannel);
  connect(process, &QProcess::errorOccurred, this, [process, failed](QProcess::ProcessError e) {
    if (e != QProcess::FailedToStart) return;
    process->deleteLater();
    failed();
  });
  connect(process, &QProcess::finished, this,
          [process, failed](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit || code != 0) failed();
          });
  process->start(program, arguments);
}

}  // namespace toolkit::qt
