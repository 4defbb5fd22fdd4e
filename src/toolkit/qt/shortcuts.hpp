// The layout's keyboard shortcuts on the menu items and the buttons of the window.
#pragma once

#include <QWidget>

#include "toolkit/qt/form_widgets.hpp"

namespace toolkit::qt {

void add_shortcuts(QWidget& window, const form_widgets& widgets);

}  // namespace toolkit::qt
