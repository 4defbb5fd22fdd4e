// Start-up: the application, the main window and the About box, then the event loop until the
// main window is closed.
#include <QApplication>

#include "quarvel/program.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarvel"));
  QGuiApplication::setDesktopFileName(QStringLiteral("quarvel"));
  quarvel::program program;
  program.show();
  return QApplication::exec();
}
