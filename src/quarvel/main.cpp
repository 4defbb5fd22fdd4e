// Start-up: the application, the main window and the About box, then the event loop until the
// main window is closed.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "quarvel/program.hpp"
#include "quarvel_version.hpp"

int main(int argc, char** argv) {
  // Answered before the application starts, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quarvel " << quarvel::kVersion << '\n';
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quarvel"));
  QApplication::setApplicationVersion(QString::fromLatin1(quarvel::kVersion));
  QGuiApplication::setDesktopFileName(QStringLiteral("quarvel"));
  quarvel::program program;
  program.show();
  return QApplication::exec();
}
