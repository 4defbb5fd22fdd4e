// Where an export goes and in which format: the file dialog's chosen filter decides, and a name
// typed without extension gets the filter's.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quarvel::gui {

struct chosen_file {
  QString path;
  QString filter;  // as offered, "JSON (*.json)"; empty when none was chosen
};

// "json" for "JSON (*.json)": the extension of the filter's first pattern.
QString filter_suffix(const QString& filter);

// The format to write: the chosen filter's extension, else the name's own.
QString chosen_suffix(const chosen_file& file);

// The path with `suffix` added when its file name has no extension.
QString with_suffix(const QString& path, const QString& suffix);

// The desktop's save dialog; a name without extension takes the chosen filter's.
chosen_file ask_save_path(QWidget* parent, const QString& caption, const QStringList& filters);

}  // namespace quarvel::gui
