#include "lattice_user.hpp"

#include <QApplication>
#include <QFileDialog>
#include <fstream>
#include <iterator>

namespace quarvel::gui {

void enter_ortho_cell(window_driver& user, const QString& a, const QString& b, const QString& c) {
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, kOrtho);
  user.type(control::Edit3, a);
  user.type(control::Edit4, b);
  user.type(control::Edit5, c);
}

QTableView* table(program& p) {
  return p.window().findChild<QTableView*>(QStringLiteral("LatticeTable"));
}

QStringList column(QTableView* t, int col) {
  QStringList out;
  for (int r = 0; r < t->model()->rowCount(); ++r)
    out << t->model()->index(r, col).data().toString();
  return out;
}

void answer_file_dialog(QTimer& user, const QString& path, const QString& filter) {
  QObject::connect(&user, &QTimer::timeout, [&user, path, filter] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (chooser == nullptr) return;
    user.stop();
    if (path.isEmpty()) return chooser->reject();
    if (!filter.isEmpty()) chooser->selectNameFilter(filter);
    chooser->selectFile(path);
    static_cast<QDialog*>(chooser)->accept();
  });
  user.start(5);
}

std::string read_all(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quarvel::gui
