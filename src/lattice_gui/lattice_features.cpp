// Wiring into Form1 without touching its panels: a menu of its own, a button beside the
// initial-cell line, and a line under the panels; the list lines themselves never change.
#include "lattice_gui/lattice_features.hpp"

#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "lattice/number_text.hpp"
#include "lattice_gui/window_place.hpp"
#include "main/found_cell_lattice.hpp"
#include "main/starting_cell.hpp"

namespace quarvel::gui {

namespace {

// In the results panel, right of the initial-cell line: the one place that is free in both
// entry modes and moves with the panel when the window grows.
constexpr QRect kButtonPlace{760, 30, 100, 25};

// Under the whole client area: beneath the found-cell list however the window grows, and above
// the status line that the list-full message brings. The text starts where the list does. The
// window grows by the line so that the panels keep their written size.
void put_under_panels(QMainWindow& window, QWidget& line, const QWidget* list) {
  QWidget* panels = window.takeCentralWidget();
  auto* holder = new QWidget(&window);
  auto* column = new QVBoxLayout(holder);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(panels, 1);
  column->addWidget(&line);
  window.setCentralWidget(holder);
  if (list != nullptr) {
    const QRect place(list->mapTo(panels, QPoint(0, 0)), list->size());
    line.setContentsMargins(place.left(), 2, panels->width() - place.right() - 1, 4);
  }
  window.resize(window.width(), window.height() + line.sizeHint().height());
}

}  // namespace

lattice_features::lattice_features(QMainWindow& window, TForm1& form)
    : QObject(nullptr),  // a member of the program, which outlives no window child
      window_(window),
      form_(form),
      observed_(new observed_pattern(&window)),
      lattice_(new lattice_window(window, form, *observed_)),
      solutions_(new solutions_window(window, form, *observed_)),
      found_(new elided_label(&window)) {
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("La&ttice"));
  QAction* symmetry = menu->addAction(QStringLiteral("Lattice &symmetry…"));
  symmetry->setObjectName(QStringLiteral("LatticeSymmetry1"));
  symmetry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  QAction* compare = menu->addAction(QStringLiteral("&Compare solutions…"));
  compare->setObjectName(QStringLiteral("CompareSolutions1"));
  compare->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
  connect(symmetry, &QAction::triggered, this, [this] { show_beside(*lattice_, window_); });
  connect(compare, &QAction::triggered, this, [this] { show_beside(*solutions_, window_); });

  if (auto* results = window.findChild<QWidget*>(QStringLiteral("Panel2"))) {
    auto* button = new QPushButton(QStringLiteral("Lattice…"), results);
    button->setObjectName(QStringLiteral("LatticeButton"));
    button->setGeometry(kButtonPlace);
    connect(button, &QPushButton::clicked, symmetry, &QAction::trigger);
  }

  found_->setObjectName(QStringLiteral("FoundCellLattice"));
  found_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  explain_found_line(-1);
  auto* list =
      window.findChild<QListWidget*>(QString::fromLatin1(toolkit::name_of(control::ListBox4)));
  put_under_panels(window, *found_, list);
  if (list != nullptr)
    connect(list, &QListWidget::currentRowChanged, this,
            [this](int row) { explain_found_line(row); });
}

void lattice_features::explain_found_line(int row) {
  const std::optional<found_line_fields> f =
      row >= 0 ? read_found_line(form_.controls().line(control::ListBox4, row)) : std::nullopt;
  if (!f) {
    found_->setForegroundRole(QPalette::PlaceholderText);
    found_->set_full_text(QStringLiteral(
        "Select a found cell to see its lattice type, δ, verdict and change of basis."));
    return;
  }
  found_->setForegroundRole(QPalette::WindowText);
  // A full list keeps the search's lines, which carry no running number.
  const int number = f->number > 0 ? f->number : row + 1;
  const lattice::cell start = searched_cell(form_);
  try {
    found_->set_full_text(QStringLiteral("Cell %1: %2")
                              .arg(number)
                              .arg(QString::fromStdString(explanation_text(
                                  explain_found_cell(*f, start, lattice::kDefaultDeltaLimit)))));
  } catch (const lattice::lattice_error& e) {
    found_->set_full_text(
        QStringLiteral("Cell %1: %2").arg(number).arg(QString::fromUtf8(e.what())));
  }
}

}  // namespace quarvel::gui
