// One top-level item a group, headed by its most symmetric solution; members below with their
// relation and change of basis; the solutions that could not be used last, with the reason.
#include "lattice_gui/solutions_window.hpp"

#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "lattice/number_text.hpp"
#include "lattice/solution_groups.hpp"
#include "lattice_summary.hpp"
#include "platform/error.hpp"

namespace quarvel::gui {

namespace {

QString type_text(const lattice::solution_type& s) {
  return QStringLiteral("%1, δ %2°")
      .arg(QString::fromUtf8(lattice::bravais_name(s.bravais).data()),
           QString::fromStdString(lattice::fixed(s.delta, 3)));
}

QString relation_text(const lattice::group_member& m) {
  return QString::fromStdString(lattice::member_verdict(m));
}

}  // namespace

solutions_window::solutions_window(QWidget& parent, const TForm1& form)
    : QDialog(&parent), form_(form) {
  setObjectName(QStringLiteral("SolutionsWindow"));
  setWindowTitle(QStringLiteral("Compare solutions"));
  setModal(false);
  setSizeGripEnabled(true);
  delta_ = new QDoubleSpinBox(this);
  delta_->setObjectName(QStringLiteral("CompareDelta"));
  delta_->setRange(0.1, 45);
  delta_->setValue(lattice::kDefaultDeltaLimit);
  delta_->setSuffix(QStringLiteral(" °"));
  length_ = new QDoubleSpinBox(this);
  length_->setObjectName(QStringLiteral("CompareLength"));
  length_->setRange(0.01, 20);
  length_->setValue(1);
  length_->setSuffix(QStringLiteral(" %"));
  auto* conditions = new QFormLayout;
  conditions->addRow(QStringLiteral("&δ limit (types, angles)"), delta_);
  conditions->addRow(QStringLiteral("&Length tolerance"), length_);
  auto* again = new QPushButton(QStringLiteral("C&ompare"), this);
  again->setObjectName(QStringLiteral("CompareAgain"));
  conditions->addRow(again);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("SolutionGroups"));
  tree_->setColumnCount(4);
  tree_->setHeaderLabels({QStringLiteral("Solution"), QStringLiteral("Lattice"),
                          QStringLiteral("Relation to the head"),
                          QStringLiteral("Change of basis")});
  tree_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tree_->header()->setSectionResizeMode(QHeaderView::Interactive);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("CompareMessage"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conditions);
  layout->addWidget(tree_, 1);
  layout->addWidget(message_);
  resize(760, 460);
  connect(again, &QPushButton::clicked, this, &solutions_window::compare);
}

void solutions_window::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  compare();
}

void solutions_window::compare() {
  tree_->clear();
  const std::string& path = form_.shared().sum_file_name;
  if (path.empty()) {
    message_->setText(QStringLiteral("Load a Crysfire summary first."));
    return;
  }
  lattice::solution_comparison c;
  try {
    c = cli::compare_summary(path, {delta_->value(), length_->value() / 100});
  } catch (const platform::error& e) {
    message_->setText(QString::fromStdString(path + ": " + e.what()));
    return;
  }
  std::map<int, const lattice::solution_type*> types;
  for (const lattice::solution_type& s : c.solutions) types[s.number] = &s;
  for (const lattice::solution_group& g : c.groups) {
    auto* head = new QTreeWidgetItem(tree_, {QString::number(g.head), type_text(*types[g.head]),
                                             QStringLiteral("head"), QString()});
    for (const lattice::group_member& m : g.members)
      new QTreeWidgetItem(head,
                          {QString::number(m.number), type_text(*types[m.number]), relation_text(m),
                           QString::fromStdString(lattice::change_of_basis_text(m.matrix))});
    head->setExpanded(true);
  }
  if (!c.unusable.empty()) {
    auto* bad = new QTreeWidgetItem(tree_, {QStringLiteral("Not compared")});
    for (const lattice::unusable_solution& u : c.unusable)
      new QTreeWidgetItem(
          bad, {u.number > 0 ? QString::number(u.number) : QStringLiteral("line %1").arg(u.line),
                QString(), QString::fromStdString(u.reason)});
    bad->setExpanded(true);
  }
  for (int k = 0; k < 4; ++k) tree_->resizeColumnToContents(k);
  message_->setText(
      QStringLiteral("%1 solutions in %2 groups").arg(c.solutions.size()).arg(c.groups.size()));
}

}  // namespace quarvel::gui
