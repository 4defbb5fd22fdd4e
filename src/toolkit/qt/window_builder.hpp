// Builds the main window's widgets, menu, fonts, colours and tab order from its layout.
#pragma once

#include "toolkit/qt/form_widgets.hpp"
#include "toolkit/qt/main_window.hpp"

namespace toolkit::qt {

// Every control gets its control's name as object name, so that it can be found by name.
form_widgets build_window(main_window& window);

}  // namespace toolkit::qt
