// Wiring into Form1 without touching its layout: a menu of its own, a button beside the
// initial-cell line, and a label in the status bar; the list lines themselves never change.
#include "lattice_gui/lattice_features.hpp"

#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "lattice/number_text.hpp"
#include "main/found_cell_lattice.hpp"

namespace quarvel::gui {

namespace {

// In the results panel, right of the initial-cell line: the one place that is free in both
// entry modes and moves with the panel when the window grows.
constexpr QRect kButtonPlace{760, 30, 100, 25};

void open(QDialog* d) {
  d->show();
  d->raise();
  d->activateWindow();
}

}  // namespace

lattice_features::lattice_features(QMainWindow& window, TForm1& form)
    : QObject(nullptr),  // a member of the program, which outlives no window child
      window_(window),
      form_(form),
      lattice_(new lattice_window(window, form)),
      solutions_(new solutions_window(window, form)),
      found_(new QLabel(&window)) {
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("La&ttice"));
  QAction* symmetry = menu->addAction(QStringLiteral("Lattice &symmetry…"));
  symmetry->setObjectName(QStringLiteral("LatticeSymmetry1"));
  symmetry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  QAction* compare = menu->addAction(QStringLiteral("&Compare solutions…"));
  compare->setObjectName(QStringLiteral("CompareSolutions1"));
  compare->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
  connect(symmetry, &QAction::triggered, this, [this] { open(lattice_); });
  connect(compare, &QAction::triggered, this, [this] { open(solutions_); });

  if (auto* results = window.findChild<QWidget*>(QStringLiteral("Panel2"))) {
    auto* button = new QPushButton(QStringLiteral("Lattice…"), results);
    button->setObjectName(QStringLiteral("LatticeButton"));
    button->setGeometry(kButtonPlace);
    connect(button, &QPushButton::clicked, symmetry, &QAction::trigger);
  }

  found_->setObjectName(QStringLiteral("FoundCellLattice"));
  found_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  window.statusBar()->addWidget(found_, 1);
  if (auto* list =
          window.findChild<QListWidget*>(QString::fromLatin1(toolkit::name_of(control::ListBox4))))
    connect(list, &QListWidget::currentRowChanged, this,
            [this](int row) { explain_found_line(row); });
}

void lattice_features::explain_found_line(int row) {
  auto* list =
      window_.findChild<QListWidget*>(QString::fromLatin1(toolkit::name_of(control::ListBox4)));
  const std::optional<found_line_fields> f =
      row >= 0 && list ? read_found_line(list->item(row)->text().toStdString()) : std::nullopt;
  if (!f) {
    found_->clear();
    return;
  }
  const mathhkl::cell_params& p = form_.shared().cell;
  const lattice::cell start{double(p[0].value()), double(p[1].value()), double(p[2].value()),
                            double(p[3].value()), double(p[4].value()), double(p[5].value())};
  try {
    found_->setText(QStringLiteral("Cell %1: %2")
                        .arg(f->number)
                        .arg(QString::fromStdString(explanation_text(
                            explain_found_cell(*f, start, lattice::kDefaultDeltaLimit)))));
  } catch (const lattice::lattice_error& e) {
    found_->setText(QString::fromStdString(e.what()));
  }
}

}  // namespace quarvel::gui
