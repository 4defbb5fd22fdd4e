// The main window first, then the hidden About box that it can show.
#include "quarvel/program.hpp"

#include <QApplication>

// The icons are built into this static library; the linker keeps them only when called for.
static void load_icon_pictures() {
  Q_INIT_RESOURCE(icons);
}

namespace quarvel {

program::program() : form_(tk_), lattice_(tk_.window(), form_) {
  QApplication::setWindowIcon(icon());
  tk_.set_about_box(about_);
}

QIcon program::icon() {
  load_icon_pictures();
  QIcon icon;
  for (int size : {32, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/quarvel-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace quarvel
