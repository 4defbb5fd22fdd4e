// Text between the logic's UTF-8 strings and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace toolkit::qt {

inline QString to_qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string to_std(const QString& text) {
  return text.toStdString();
}

}  // namespace toolkit::qt
