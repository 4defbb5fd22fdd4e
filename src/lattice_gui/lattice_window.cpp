// The panel follows the main window's fields, lists and panels through their own signals and
// show/hide events, and re-analyses only when the cell or the conditions differ.
#include "lattice_gui/lattice_window.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "lattice/number_text.hpp"
#include "lattice_gui/delta_ladder.hpp"
#include "lattice_gui/entry_evidence.hpp"
#include "lattice_gui/entry_sort.hpp"
#include "lattice_gui/lattice_table_model.hpp"
#include "lattice_gui/observed_pattern.hpp"
#include "lattice_gui/pattern_picture.hpp"
#include "lattice_output/analysis_output.hpp"
#include "lattice_output/entry_export.hpp"
#include "mathhkl/file_io.hpp"
#include "platform/error.hpp"

namespace quarvel::gui {

namespace {

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QDoubleSpinBox* number_box(const QString& name, double low, double high, int decimals, double value,
                           const QString& suffix, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setValue(value);
  box->setSuffix(suffix);
  box->setKeyboardTracking(false);  // weighed once the number is typed, not at every digit
  return box;
}

}  // namespace

lattice_window::lattice_window(QMainWindow& main, TForm1& form, observed_pattern& observed)
    : QDialog(&main), main_(main), form_(form), observed_(observed) {
  setObjectName(QStringLiteral("LatticeWindow"));
  setWindowTitle(QStringLiteral("Lattice symmetry"));
  setModal(false);
  setSizeGripEnabled(true);
  ask_path_ = [this](const QString& caption, const QStringList& filters) {
    return ask_save_path(this, caption, filters);
  };
  build();
  watch_main_window();
}

void lattice_window::build() {
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("LatticeCell"));
  caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  caption_->setWordWrap(true);
  centring_ = new QComboBox(this);
  centring_->setObjectName(QStringLiteral("LatticeCentring"));
  using kind = lattice::centring;
  for (kind c : {kind::P, kind::A, kind::B, kind::C, kind::I, kind::F, kind::R})
    centring_->addItem(QString::fromUtf8(lattice::centring_name(c).data()), static_cast<int>(c));
  centring_->setToolTip(
      QStringLiteral("The centring of the cell analysed; R: rhombohedral centring on hexagonal "
                     "axes, obverse"));
  delta_ = new QDoubleSpinBox(this);
  delta_->setObjectName(QStringLiteral("DeltaLimit"));
  delta_->setRange(0.1, lattice::kLargestDeltaLimit);
  delta_->setDecimals(2);
  delta_->setSingleStep(0.5);
  delta_->setSuffix(QStringLiteral(" °"));
  delta_->setValue(lattice::kDefaultDeltaLimit);
  index_ = new QSpinBox(this);
  index_->setObjectName(QStringLiteral("LargestIndex"));
  index_->setRange(1, lattice::kLargestIndex);
  auto* conditions = new QFormLayout;
  conditions->addRow(QStringLiteral("Ce&ntring"), centring_);
  conditions->addRow(QStringLiteral("&δ limit"), delta_);
  conditions->addRow(QStringLiteral("Largest &index"), index_);
  wavelength_ = number_box(QStringLiteral("Wavelength"), 0.1, 5, 6, pattern::kDefaultWavelength,
                           QStringLiteral(" Å"), this);
  tolerance_ = number_box(QStringLiteral("LineTolerance"), 0.001, 2, 3, pattern::kDefaultTolerance,
                          QStringLiteral(" °"), this);
  tolerance_->setSingleStep(0.01);
  lines_label_ = new QLabel(QStringLiteral("none: File ▸ Open observed lines…"), this);
  lines_label_->setObjectName(QStringLiteral("ObservedLinesFile"));
  lines_label_->setWordWrap(true);
  auto* line_conditions = new QFormLayout;
  line_conditions->addRow(QStringLiteral("Observed lines"), lines_label_);
  line_conditions->addRow(QStringLiteral("&Wavelength"), wavelength_);
  line_conditions->addRow(QStringLiteral("2θ toleranc&e"), tolerance_);
  unit_ = new QComboBox(this);
  unit_->setObjectName(QStringLiteral("LineUnit"));
  unit_->addItem(QStringLiteral("2θ (°)"), static_cast<int>(pattern::line_unit::two_theta));
  unit_->addItem(QStringLiteral("d (Å)"), static_cast<int>(pattern::line_unit::d));
  unit_->setToolTip(
      QStringLiteral("The first number of each row of the line list: 2θ in "
                     "degrees, or d in Å (turned into 2θ with the wavelength)"));
  auto* unit_row = new QFormLayout;
  unit_row->addRow(QStringLiteral("Lines given &as"), unit_);

  model_ = new lattice_table_model(this);
  sorted_ = new entry_sort(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(lattice_table_model::kSortRole);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("LatticeTable"));
  table_->setModel(sorted_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);  // the analysis's own order at first
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->horizontalHeader()->setStretchLastSection(true);
  ladder_ = new delta_ladder(this);
  auto* split = new QSplitter(this);
  split->addWidget(table_);
  split->addWidget(ladder_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  picture_ = new pattern_picture(this);
  picture_->setVisible(false);  // until lines are opened
  auto* column = new QSplitter(Qt::Vertical, this);
  column->addWidget(split);
  column->addWidget(picture_);
  column->setStretchFactor(0, 3);
  column->setStretchFactor(1, 2);
  column->setChildrenCollapsible(false);
  refined_label_ = new QLabel(this);
  refined_label_->setObjectName(QStringLiteral("RefinedCell"));
  refined_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  refined_label_->setWordWrap(true);

  auto* use = button(QStringLiteral("UseCell"), QStringLiteral("&Use as starting cell"), this);
  auto* copy = button(QStringLiteral("CopyRows"), QStringLiteral("&Copy"), this);
  auto* table = button(QStringLiteral("ExportTable"), QStringLiteral("Export &table…"), this);
  auto* cif = button(QStringLiteral("ExportCif"), QStringLiteral("Export cell as CI&F…"), this);
  auto* picture = button(QStringLiteral("SavePicture"), QStringLiteral("Save &picture…"), this);
  auto* refine = button(QStringLiteral("RefineCell"), QStringLiteral("&Refine"), this);
  auto* pattern = button(QStringLiteral("SavePattern"), QStringLiteral("Sa&ve pattern…"), this);
  auto* close = button(QStringLiteral("CloseLattice"), QStringLiteral("Close"), this);
  // Two rows, the entry's actions and the exports, so that the window fits beside Form1.
  auto* actions = new QHBoxLayout;
  for (QPushButton* b : {use, copy, refine}) actions->addWidget(b);
  actions->addStretch();
  actions->addWidget(close);
  auto* exports = new QHBoxLayout;
  for (QPushButton* b : {table, cif, picture, pattern}) exports->addWidget(b);
  exports->addStretch();
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("LatticeMessage"));
  message_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  top->addWidget(caption_, 1);
  top->addLayout(conditions);
  // The observed lines' conditions on a row of their own, so that the window fits beside Form1.
  auto* lines_row = new QHBoxLayout;
  lines_row->addLayout(line_conditions);
  lines_row->addLayout(unit_row);
  lines_row->setAlignment(unit_row, Qt::AlignTop);
  lines_row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu());
  layout->addLayout(top);
  layout->addLayout(lines_row);
  layout->addWidget(column, 1);
  layout->addWidget(refined_label_);
  layout->addLayout(actions);
  layout->addLayout(exports);
  layout->addWidget(message_);
  resize(1100, 480);
  setTabOrder(centring_, delta_);
  setTabOrder(delta_, index_);
  setTabOrder(index_, table_);
  setTabOrder(table_, use);

  connect(centring_, &QComboBox::currentIndexChanged, this, [this] { follow(); });
  connect(delta_, &QDoubleSpinBox::valueChanged, this, [this] { follow(); });
  connect(index_, &QSpinBox::valueChanged, this, [this] { follow(); });
  connect(table_, &QTableView::activated, this, [this] { use_as_starting_cell(); });
  connect(use, &QPushButton::clicked, this, &lattice_window::use_as_starting_cell);
  connect(copy, &QPushButton::clicked, this, &lattice_window::copy_selection);
  connect(table, &QPushButton::clicked, this, &lattice_window::export_table);
  connect(cif, &QPushButton::clicked, this, &lattice_window::export_cif);
  connect(picture, &QPushButton::clicked, this, &lattice_window::save_picture);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(refine, &QPushButton::clicked, this, &lattice_window::refine);
  connect(pattern, &QPushButton::clicked, this, &lattice_window::save_pattern);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { show_selected_pattern(); });
  connect(&observed_, &observed_pattern::changed, this, [this] { weigh_lines(); });
  auto conditions_changed = [this] {
    const auto unit = static_cast<pattern::line_unit>(unit_->currentData().toInt());
    const QString problem =
        observed_.set_conditions(wavelength_->value(), tolerance_->value(), unit);
    if (problem.isEmpty()) return;
    // Nothing changes: the boxes go back to what the lines are weighed with.
    const QSignalBlocker quiet_w(wavelength_), quiet_t(tolerance_), quiet_u(unit_);
    wavelength_->setValue(observed_.options().wavelength);
    tolerance_->setValue(observed_.options().tolerance);
    unit_->setCurrentIndex(unit_->findData(static_cast<int>(observed_.unit())));
    tell(problem);
  };
  connect(wavelength_, &QDoubleSpinBox::valueChanged, this, conditions_changed);
  connect(tolerance_, &QDoubleSpinBox::valueChanged, this, conditions_changed);
  connect(unit_, &QComboBox::currentIndexChanged, this, conditions_changed);
  auto* copy_key = new QShortcut(QKeySequence::Copy, table_);
  copy_key->setContext(Qt::WidgetShortcut);
  connect(copy_key, &QShortcut::activated, this, &lattice_window::copy_selection);
}

QMenuBar* lattice_window::menu() {
  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  QAction* open = file->addAction(QStringLiteral("Open observed &lines…"));
  open->setObjectName(QStringLiteral("OpenObservedLines"));
  connect(open, &QAction::triggered, this, &lattice_window::open_observed_lines);
  return bar;
}

void lattice_window::watch_main_window() {
  for (control c : {control::Edit3, control::Edit4, control::Edit5, control::Edit6, control::Edit7,
                    control::Edit8})
    if (auto* field = main_.findChild<QLineEdit*>(QString::fromLatin1(toolkit::name_of(c))))
      connect(field, &QLineEdit::textChanged, this, [this] { follow(); });
  if (auto* list =
          main_.findChild<QListWidget*>(QString::fromLatin1(toolkit::name_of(control::ListBox1))))
    connect(list, &QListWidget::currentRowChanged, this, [this] { follow_new_source(); });
  for (control c : {control::Panel1, control::Panel4})
    if (auto* panel = main_.findChild<QWidget*>(QString::fromLatin1(toolkit::name_of(c))))
      panel->installEventFilter(this);
  // Runs after Form1's handler, which was connected first: a file whose cell the fields already
  // show changes no field, yet it is a new source.
  const QString lanfit = QString::fromLatin1(toolkit::name_of(control::OpenLanfitfile1));
  if (auto* item = main_.findChild<QAction*>(lanfit))
    connect(item, &QAction::triggered, this, [this] { follow(); });
  if (auto* b = main_.findChild<QAbstractButton*>(
          QString::fromLatin1(toolkit::name_of(control::BitBtn4))))
    connect(b, &QAbstractButton::clicked, this, [this] { follow(); });
}

bool lattice_window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
    follow_new_source();
  return QDialog::eventFilter(watched, event);
}

lattice::centring lattice_window::centring() const {
  return static_cast<lattice::centring>(centring_->currentData().toInt());
}

void lattice_window::set_centring(lattice::centring c) {
  const QSignalBlocker quiet(centring_);  // the caller follows once, with everything in place
  centring_->setCurrentIndex(centring_->findData(static_cast<int>(c)));
}

void lattice_window::follow_new_source() {
  set_centring(lattice::centring::P);
  follow();
}

void lattice_window::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!analysed_) index_->setValue(default_largest_index(form_));
  follow();
}

void lattice_window::follow(bool force) {
  if (form_.cell_files_read() != cell_files_seen_) {
    cell_files_seen_ = form_.cell_files_read();
    set_centring(lattice::centring::P);
  }
  if (adopting_ || (!isVisible() && !force)) return;
  const std::optional<starting_cell> start = current_starting_cell(form_);
  const lattice::centring chosen = centring();
  const double delta = delta_->value();
  const int index = index_->value();
  auto same = [](const lattice::cell& x, const lattice::cell& y) {
    return x.parameters() == y.parameters();
  };
  if (!force && start && analysed_ && same(start->cell, *analysed_) &&
      chosen == analysed_centring_ && delta == analysed_delta_ && index == analysed_index_)
    return;
  analysed_.reset();
  if (!start) {
    caption_->setText(
        QStringLiteral("No starting cell: type one, read a cell file or select a "
                       "Crysfire solution."));
    model_->set_entries({});
    ladder_->set_entries({}, delta);
    weigh_lines();
    return;
  }
  const QString from = QString::fromStdString(start->source);
  const QString source =
      chosen == lattice::centring::P
          ? from
          : QStringLiteral("%1, %2-centred")
                .arg(from, QString::fromUtf8(lattice::centring_name(chosen).data()));
  caption_->setText(QStringLiteral("Cell (%1): %2")
                        .arg(source, QString::fromStdString(lattice::cell_text(start->cell))));
  try {
    const lattice::analysis a = lattice::analyse(start->cell, {chosen, delta, index});
    model_->set_entries(a.lattices);
    ladder_->set_entries(a.lattices, delta);
    analysed_ = start->cell;
    analysed_centring_ = chosen;
    analysed_delta_ = delta;
    analysed_index_ = index;
    tell(QString());
    weigh_lines();
    table_->resizeColumnsToContents();
    if (sorted_->rowCount() > 0) table_->selectRow(0);
  } catch (const lattice::lattice_error& e) {
    model_->set_entries({});
    ladder_->set_entries({}, delta);
    weigh_lines();
    tell(QString::fromStdString(e.what()));
  }
}

std::vector<const lattice::lattice_entry*> lattice_window::selected_entries() const {
  std::vector<const lattice::lattice_entry*> out;
  for (const QModelIndex& row : table_->selectionModel()->selectedRows())
    out.push_back(&model_->entries()[static_cast<size_t>(sorted_->mapToSource(row).row())]);
  return out;
}

void lattice_window::use_as_starting_cell() {
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  if (chosen.empty()) return tell(QStringLiteral("Select an entry first."));
  // A copy: the analysis that follows replaces the entries.
  const auto row = static_cast<int>(chosen.front() - model_->entries().data());
  const bool refined = refined_ && refined_->first == row;
  const lattice::lattice_entry entry =
      refined ? refined_entry(*chosen.front(), refined_->second) : *chosen.front();
  {
    // One analysis of the whole cell with its centring, not one per field changed.
    const QScopedValueRollback<bool> hold(adopting_, true);
    set_centring(put_starting_cell(form_, entry));
  }
  follow();
  tell(QStringLiteral("The %1 entry's %2cell is the starting cell: Run searches from it.")
           .arg(QString::fromStdString(lattice::type_label(entry)),
                refined ? QStringLiteral("refined ") : QString()));
}

void lattice_window::copy_selection() {
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  if (chosen.empty()) return tell(QStringLiteral("Select an entry first."));
  QApplication::clipboard()->setText(QString::fromStdString(lattice::entries_tsv(chosen)));
}

void lattice_window::export_table() {
  if (!analysed_) return tell(QStringLiteral("Nothing to export."));
  const chosen_file chosen =
      ask_path_(QStringLiteral("Export the table"),
                {QStringLiteral("CSV (*.csv)"), QStringLiteral("JSON (*.json)")});
  if (chosen.path.isEmpty()) return;
  const QString suffix = chosen_suffix(chosen).toLower();
  const bool json = suffix == QStringLiteral("json");
  const lattice::analysis a =
      lattice::analyse(*analysed_, {analysed_centring_, analysed_delta_, analysed_index_});
  write(with_suffix(chosen.path, json ? suffix : QStringLiteral("csv")),
        json ? lattice::analysis_json(a) + "\n" : lattice::entries_csv(a.lattices));
}

void lattice_window::export_cif() {
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  if (chosen.empty() || !analysed_) return tell(QStringLiteral("Select an entry first."));
  const chosen_file file =
      ask_path_(QStringLiteral("Export the cell as CIF"), {QStringLiteral("CIF (*.cif)")});
  if (!file.path.isEmpty())
    write(with_suffix(file.path, QStringLiteral("cif")),
          lattice::entry_cif(*chosen.front(), *analysed_));
}

void lattice_window::save_picture() {
  const chosen_file file =
      ask_path_(QStringLiteral("Save the delta ladder"), {QStringLiteral("PNG (*.png)")});
  if (file.path.isEmpty()) return;
  // The picture's format follows the extension, which the filter supplies when there is none.
  const QString path = with_suffix(file.path, QStringLiteral("png"));
  tell(ladder_->save(path) ? QStringLiteral("Saved %1").arg(path)
                           : QStringLiteral("Could not write %1").arg(path));
}

void lattice_window::write(const QString& path, const std::string& content) {
  try {
    mathhkl::replace_file(path.toStdString(), content);
    tell(QStringLiteral("Saved %1").arg(path));
  } catch (const platform::error& e) {
    tell(QStringLiteral("Could not write %1: %2").arg(path, QString::fromStdString(e.what())));
  }
}

void lattice_window::tell(const QString& message) {
  message_->setText(message);
}

}  // namespace quarvel::gui
