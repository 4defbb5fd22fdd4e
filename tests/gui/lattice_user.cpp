#include "lattice_user.hpp"

#include <QApplication>
#include <QFileDialog>
#include <fstream>
#include <iterator>

namespace quarvel::gui {

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

QRect in_window(const QWidget& w, const QWidget& window) {
  return {w.mapTo(&window, QPoint(0, 0)), w.size()};
}

QString seen_problem(const QWidget& w, const QWidget& window) {
  if (!w.isVisible()) return QStringLiteral("hidden");
  if (!window.rect().contains(in_window(w, window))) return QStringLiteral("outside the window");
  const QWidget* top = window.childAt(in_window(w, window).center());
  if (top != &w && !w.isAncestorOf(top))
    return QStringLiteral("covered by ") + (top ? top->objectName() : QStringLiteral("nothing"));
  return {};
}

QString label_seen_problem(const QLabel& label) {
  if (label.text().isEmpty()) return QStringLiteral("no text");
  const QString problem = seen_problem(label, *label.window());
  if (!problem.isEmpty()) return problem;
  if (label.visibleRegion().boundingRect().height() < label.fontMetrics().height())
    return QStringLiteral("less than a line shows");
  return {};
}

}  // namespace quarvel::gui

#include "pattern/calculated_lines.hpp"
#include "pattern/diffraction.hpp"
#include "pattern/observed_lines.hpp"

namespace quarvel::gui {

void write_lines(const QString& path, const std::vector<test_line>& lines) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << "# 2theta intensity\n";
  out.precision(10);
  for (const test_line& l : lines) out << l.two_theta << ' ' << l.intensity << '\n';
}

std::vector<double> line_positions(const lattice::cell& c, lattice::centring centred,
                                   double highest) {
  std::vector<double> out;
  const double q_max = pattern::q_of_two_theta(highest, pattern::kDefaultWavelength);
  for (const pattern::calculated_line& l : pattern::calculated_lines(c, centred, q_max))
    out.push_back(pattern::two_theta_of_q(l.q, pattern::kDefaultWavelength));
  return out;
}

std::vector<test_line> observed(const std::vector<double>& positions, double offset) {
  std::vector<test_line> out;
  for (std::size_t k = 0; k < positions.size(); ++k)
    out.push_back(
        {positions[k] + (k % 2 == 0 ? offset : -offset), static_cast<double>(20 + (k * 37) % 80)});
  return out;
}

}  // namespace quarvel::gui
