// One top-level item a group, headed by its most symmetric solution; members below with their
// relation and change of basis; the solutions that could not be used last, with the reason.
#include "lattice_gui/solutions_window.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "lattice/number_text.hpp"
#include "lattice/solution_groups.hpp"
#include "lattice_gui/evidence_columns.hpp"
#include "lattice_gui/observed_pattern.hpp"
#include "lattice_gui/solution_order.hpp"
#include "mathhkl/file_io.hpp"
#include "platform/error.hpp"
#include "summary_lattice/summary_comparison.hpp"

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

constexpr int kColumns = 5;
constexpr int kMeritColumn = 4;
constexpr int kNumberRole = Qt::UserRole;    // the solution's number; none for other lines
constexpr int kSortRole = Qt::UserRole + 1;  // the number a column sorts by, where it has one

// Sorts by the numbers behind the text where a column has them, so that 9.5 comes before 10.
class solution_line : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant x = data(column, kSortRole), y = other.data(column, kSortRole);
    if (x.isValid() && y.isValid()) return x.toDouble() < y.toDouble();
    return QTreeWidgetItem::operator<(other);
  }
};

using evidence_by_number = std::map<int, const pattern::line_evidence*>;

QString merit_text(const figures_of_merit& merits, int number) {
  const auto it = merits.find(number);
  return it == merits.end() ? QString() : QString::fromStdString(lattice::fixed(it->second, 1));
}

// A solution's line: its number kept for a double click, its figure of merit last.
QTreeWidgetItem* solution_item(QTreeWidgetItem* item, int number, const figures_of_merit& merits,
                               const evidence_by_number& evidence) {
  item->setData(0, kNumberRole, number);
  item->setData(0, kSortRole, number);
  item->setText(kMeritColumn, merit_text(merits, number));
  item->setTextAlignment(kMeritColumn, Qt::AlignRight | Qt::AlignVCenter);
  if (const auto it = merits.find(number); it != merits.end())
    item->setData(kMeritColumn, kSortRole, it->second);
  if (const auto it = evidence.find(number); it != evidence.end())
    for (int k = 0; k < kEvidenceColumns; ++k) {
      item->setText(kColumns + k, evidence_text(*it->second, k));
      item->setData(kColumns + k, kSortRole, evidence_key(*it->second, k));
      item->setTextAlignment(kColumns + k, Qt::AlignRight | Qt::AlignVCenter);
    }
  return item;
}

}  // namespace

solutions_window::solutions_window(QWidget& parent, const TForm1& form,
                                   const observed_pattern& observed)
    : QDialog(&parent), main_(parent), form_(form), observed_(observed) {
  setObjectName(QStringLiteral("SolutionsWindow"));
  setWindowTitle(QStringLiteral("Compare solutions"));
  setModal(false);
  setSizeGripEnabled(true);
  delta_ = new QDoubleSpinBox(this);
  delta_->setObjectName(QStringLiteral("CompareDelta"));
  delta_->setRange(0.1, lattice::kLargestDeltaLimit);
  delta_->setValue(lattice::kDefaultDeltaLimit);
  delta_->setSuffix(QStringLiteral(" °"));
  length_ = new QDoubleSpinBox(this);
  length_->setObjectName(QStringLiteral("CompareLength"));
  length_->setRange(0.01, 20);
  length_->setValue(1);
  length_->setSuffix(QStringLiteral(" %"));
  // Compared once the number is typed, not at every digit.
  for (QDoubleSpinBox* box : {delta_, length_}) box->setKeyboardTracking(false);
  order_ = new QComboBox(this);
  order_->setObjectName(QStringLiteral("CompareOrder"));
  order_->addItems({QStringLiteral("symmetry"), QStringLiteral("figure of merit")});
  auto* conditions = new QFormLayout;
  conditions->addRow(QStringLiteral("&δ limit (types, angles)"), delta_);
  conditions->addRow(QStringLiteral("&Length tolerance"), length_);
  conditions->addRow(QStringLiteral("O&rder groups by"), order_);
  auto* again = new QPushButton(QStringLiteral("C&ompare"), this);
  again->setObjectName(QStringLiteral("CompareAgain"));
  conditions->addRow(again);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("SolutionGroups"));
  tree_->setColumnCount(kColumns);
  tree_->setHeaderLabels({QStringLiteral("Solution"), QStringLiteral("Lattice"),
                          QStringLiteral("Relation to the head"), QStringLiteral("Change of basis"),
                          QStringLiteral("FOM")});
  tree_->setToolTip(QStringLiteral("Double-click a solution to select it in the Crysfire list"));
  tree_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tree_->header()->setSectionResizeMode(QHeaderView::Interactive);
  // A clicked column sorts the groups and each group's members; the order box's order until then.
  tree_->header()->setSortIndicator(-1, Qt::AscendingOrder);
  tree_->setSortingEnabled(true);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("CompareMessage"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conditions);
  layout->addWidget(tree_, 1);
  layout->addWidget(message_);
  resize(760, 460);
  connect(again, &QPushButton::clicked, this, &solutions_window::compare);
  // As the lattice window does: a changed condition is applied at once.
  connect(delta_, &QDoubleSpinBox::valueChanged, this, &solutions_window::compare);
  connect(length_, &QDoubleSpinBox::valueChanged, this, &solutions_window::compare);
  connect(order_, &QComboBox::currentIndexChanged, this, [this] {
    tree_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    compare();
  });
  connect(&observed_, &observed_pattern::changed, this, [this] {
    if (isVisible()) compare();
  });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this,
          [this](const QTreeWidgetItem* item) { chosen(item); });
}

void solutions_window::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  compare();
}

void solutions_window::compare() {
  tree_->clear();
  tree_->setColumnCount(kColumns);
  const std::string& path = form_.shared().sum_file_name;
  if (path.empty()) {
    message_->setText(QStringLiteral("Load a Crysfire summary first."));
    return;
  }
  mathhkl::sum_solutions read;
  try {
    read = mathhkl::read_sum_solutions(mathhkl::read_file(path));
  } catch (const platform::error& e) {
    message_->setText(QString::fromStdString(path + ": " + e.what()));
    return;
  }
  lattice::solution_comparison c = compare_summary(read, {delta_->value(), length_->value() / 100});
  const figures_of_merit merits = figures_of_merit_of(read);
  if (order_->currentIndex() == 1) c.groups = by_figure_of_merit(std::move(c.groups), merits);
  std::vector<pattern::cell_evidence> weighed;
  evidence_by_number evidence;
  QString lines_note;
  if (observed_.loaded()) {
    try {
      weighed = pattern::weigh_solutions(c, observed_.lines(), {observed_.options()});
      for (std::size_t k = 0; k < weighed.size(); ++k)
        evidence[c.solutions[k].number] = &weighed[k].lines;
      tree_->setColumnCount(kColumns + kEvidenceColumns);
      for (int k = 0; k < kEvidenceColumns; ++k)
        tree_->headerItem()->setText(kColumns + k, evidence_column_names()[k]);
      lines_note =
          QStringLiteral(", weighed against %1 observed lines").arg(observed_.lines().size());
    } catch (const pattern::pattern_error& e) {
      lines_note = QStringLiteral("; the observed lines: %1").arg(QString::fromUtf8(e.what()));
    }
  }
  std::map<int, const lattice::solution_type*> types;
  for (const lattice::solution_type& s : c.solutions) types[s.number] = &s;
  for (const lattice::solution_group& g : c.groups) {
    auto* head =
        solution_item(new solution_line(tree_, {QString::number(g.head), type_text(*types[g.head]),
                                                QStringLiteral("head"), QString()}),
                      g.head, merits, evidence);
    for (const lattice::group_member& m : g.members)
      solution_item(
          new solution_line(
              head, {QString::number(m.number), type_text(*types[m.number]), relation_text(m),
                     QString::fromStdString(lattice::change_of_basis_text(m.matrix))}),
          m.number, merits, evidence);
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
  for (int k = 0; k < tree_->columnCount(); ++k) tree_->resizeColumnToContents(k);
  message_->setText(QStringLiteral("%1 solutions in %2 groups%3")
                        .arg(c.solutions.size())
                        .arg(c.groups.size())
                        .arg(lines_note));
}

}  // namespace quarvel::gui

namespace quarvel::gui {

void solutions_window::chosen(const QTreeWidgetItem* item) {
  const int number = item->data(0, kNumberRole).toInt();
  if (number > 0) select_in_form(number);
}

void solutions_window::select_in_form(int number) {
  auto* list =
      main_.findChild<QListWidget*>(QString::fromLatin1(toolkit::name_of(control::ListBox1)));
  // The list's line 0 is its header; solution n is line n.
  if (list == nullptr || number >= list->count()) {
    message_->setText(QStringLiteral("Solution %1 is not in the Crysfire list.").arg(number));
    return;
  }
  list->setCurrentRow(number);
  list->scrollToItem(list->item(number));
  message_->setText(
      list->isVisible()
          ? QStringLiteral("Solution %1 is selected in the Crysfire list.").arg(number)
          : QStringLiteral("Solution %1 is selected in the Crysfire list, which the "
                           "keyboard entry hides.")
                .arg(number));
}

}  // namespace quarvel::gui
