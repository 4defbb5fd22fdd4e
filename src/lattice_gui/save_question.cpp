// The suffix is taken from the filter's own pattern, so the offered filters are the one list of
// formats.
#include "lattice_gui/save_question.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace quarvel::gui {

QString filter_suffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
  return pattern.match(filter).captured(1);
}

QString chosen_suffix(const chosen_file& file) {
  const QString suffix = filter_suffix(file.filter);
  return suffix.isEmpty() ? QFileInfo(file.path).suffix() : suffix;
}

QString with_suffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + suffix;
}

namespace {

// The suffix is settled when the name is accepted, whichever way the filter was chosen, so that
// the question before replacing a file is about the file that will be written.
class save_dialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    setDefaultSuffix(filter_suffix(selectedNameFilter()));
    QFileDialog::accept();
  }
};

}  // namespace

chosen_file ask_save_path(QWidget* parent, const QString& caption, const QStringList& filters) {
  save_dialog dialog(parent, caption);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().first(), dialog.selectedNameFilter()};
}

}  // namespace quarvel::gui
