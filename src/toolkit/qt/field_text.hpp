// Putting a text into an entry field on the program's behalf.
#pragma once

#include <QLineEdit>
#include <QString>

namespace toolkit::qt {

// A field narrower than its number shows the end of the text by default, hiding the leading
// digits; a value the program writes is read from its start, as the user would type it.
inline void put_field_text(QLineEdit& field, const QString& text) {
  field.setText(text);
  field.setCursorPosition(0);
}

}  // namespace toolkit::qt
