// The modal boxes and file dialogs of the main window.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/controls.hpp"

namespace toolkit::qt {

// "description|pattern|..." pairs as the file dialog's name filters, "Text (*.a *.b)".
QStringList name_filters(std::string_view filter);

// A box with one OK button.
void show_message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  std::string_view text);
// Yes, No and Cancel; closing the box answers Cancel.
answer ask(QWidget* parent, std::string_view text);

// The chosen file's full path, or nothing when the user cancelled. `filter_index` 1 selects
// the first pair; for saving, 0.
std::optional<std::string> choose_file(QWidget* parent, control dialog, bool saving,
                                       std::string_view filter, int filter_index);

}  // namespace toolkit::qt
