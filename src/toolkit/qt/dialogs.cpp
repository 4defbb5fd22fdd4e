// Boxes and file dialogs, modal to the main window.
#include "toolkit/qt/dialogs.hpp"

#include <QFile>
#include <QFileDialog>

#include "toolkit/qt/text.hpp"

namespace toolkit::qt {

QStringList name_filters(std::string_view filter) {
  const QStringList parts = to_qstring(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = QStringLiteral("(%1)").arg(patterns);
    filters << (description.endsWith(shown) ? description
                                            : QStringLiteral("%1 %2").arg(description, shown));
  }
  return filters;
}

void show_message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  std::string_view text) {
  QMessageBox box(icon, title, to_qstring(text), QMessageBox::Ok, parent);
  box.exec();
}

answer ask(QWidget* parent, std::string_view text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), to_qstring(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return answer::yes;
    case QMessageBox::No:
      return answer::no;
    default:
      return answer::cancel;
  }
}

std::optional<std::string> choose_file(QWidget* parent, control dialog, bool saving,
                                       std::string_view filter, int filter_index) {
  QFileDialog chooser(parent);
  chooser.setObjectName(to_qstring(name_of(dialog)));
  chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  chooser.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = name_filters(filter);
  chooser.setNameFilters(filters);
  if (filter_index >= 1 && filter_index <= filters.size()) {
    chooser.selectNameFilter(filters[filter_index - 1]);
  }
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // The logic opens files with the standard library: the path in the file system's encoding.
  return QFile::encodeName(chooser.selectedFiles().first()).toStdString();
}

}  // namespace toolkit::qt
