// The About box: the program's name and credits in an editable memo, and a Cancel button.
// It is created hidden and only ever hidden again, so the memo keeps what was typed into it.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

namespace apropos {

// The memo's twelve lines.
QString about_text();

class Tfapropos : public QDialog {
  Q_OBJECT

 public:
  Tfapropos();

  // Cancel: closes the box, which hides it.
  void sortie() { close(); }

 private:
  QPlainTextEdit* Memo1;
  QPushButton* BitBtn1;
};

}  // namespace apropos
