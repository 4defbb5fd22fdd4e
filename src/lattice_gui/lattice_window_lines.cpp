// The lattice window's observed lines: opened, weighed against every entry, drawn for the
// selected one, and the selected entry's cell refined against them.
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "lattice_gui/entry_evidence.hpp"
#include "lattice_gui/lattice_table_model.hpp"
#include "lattice_gui/lattice_window.hpp"
#include "lattice_gui/observed_pattern.hpp"
#include "lattice_gui/pattern_picture.hpp"
#include "lattice_gui/save_question.hpp"
#include "pattern/evidence.hpp"

namespace quarvel::gui {

namespace {

QString ask_lines_path(QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("Open observed lines"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(
      {QStringLiteral("Line lists (*.txt *.dat *.lst *.xy)"), QStringLiteral("All files (*)")});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

void lattice_window::open_observed_lines() {
  const QString path = ask_lines_path(this);
  if (path.isEmpty()) return;
  const QString problem = observed_.open(path);
  if (!problem.isEmpty()) return tell(problem);
  tell(QStringLiteral("Read %1 observed lines from %2")
           .arg(observed_.lines().size())
           .arg(QFileInfo(path).fileName()));
}

void lattice_window::weigh_lines() {
  refined_.reset();
  refined_label_->clear();
  // The columns come and go with a model reset, which forgets the selection.
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  const int row = chosen.empty() ? -1 : static_cast<int>(chosen.front() - model_->entries().data());
  input_lines_.reset();
  if (observed_.loaded()) {
    lines_label_->setText(QStringLiteral("%1, %2 lines")
                              .arg(QFileInfo(observed_.path()).fileName())
                              .arg(observed_.lines().size()));
    if (!picture_->isVisibleTo(this) && height() < 720) resize(width(), 720);
  }
  picture_->setVisible(observed_.loaded());
  if (!observed_.loaded() || !analysed_) {
    model_->set_evidence({});
    picture_->clear();
    return;
  }
  lattice::analysis a;
  a.input = *analysed_;
  a.centring_type = analysed_centring_;
  a.lattices = model_->entries();
  try {
    input_lines_ =
        pattern::index_pattern(observed_.lines(), a.input, a.centring_type, observed_.options());
    model_->set_evidence(
        pattern::weigh_analysis(a, observed_.lines(), {observed_.options()}, *input_lines_));
  } catch (const pattern::pattern_error& e) {
    model_->set_evidence({});
    picture_->clear();
    return tell(QString::fromUtf8(e.what()));
  }
  table_->resizeColumnsToContents();
  if (row >= 0) table_->selectRow(sorted_->mapFromSource(model_->index(row, 0)).row());
  show_selected_pattern();
}

void lattice_window::show_selected_pattern() {
  const std::vector<pattern::cell_evidence>& evidence = model_->evidence();
  if (!input_lines_ || evidence.empty()) return picture_->clear();
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  // With nothing selected, the entry at the top of the table as sorted.
  const int row = chosen.empty() ? sorted_->mapToSource(sorted_->index(0, 0)).row()
                                 : static_cast<int>(chosen.front() - model_->entries().data());
  if (row < 0) return picture_->clear();
  const auto k = static_cast<size_t>(row);
  picture_->set_view(
      entry_view(observed_.lines(), observed_.options(), *input_lines_,
                 QStringLiteral("input %1")
                     .arg(QString::fromUtf8(lattice::centring_name(analysed_centring_).data())),
                 model_->entries()[k], evidence[k]));
}

void lattice_window::refine() {
  const std::vector<const lattice::lattice_entry*> chosen = selected_entries();
  if (!input_lines_) return tell(QStringLiteral("Open observed lines first."));
  if (chosen.empty()) return tell(QStringLiteral("Select an entry first."));
  const lattice::lattice_entry& e = *chosen.front();
  const auto row = static_cast<int>(chosen.front() - model_->entries().data());
  const QString type = QString::fromStdString(lattice::type_label(e));
  try {
    const pattern::cell_evidence weighed =
        pattern::weigh(observed_.lines(), pattern::entry_to_weigh(e, *input_lines_),
                       {observed_.options(), true, false});
    if (!weighed.refined) {
      refined_.reset();
      refined_label_->setText(
          QStringLiteral("The %1 cell cannot be refined: it indexes no more lines than it has "
                         "free parameters, or they do not fix them.")
              .arg(type));
      return;
    }
    refined_ = {row, weighed.refined->cell};
    refined_label_->setText(refined_text(e, *weighed.refined, *weighed.refined_lines) +
                            QStringLiteral(". Use as starting cell takes it."));
  } catch (const pattern::pattern_error& error) {
    tell(QString::fromUtf8(error.what()));
  }
}

void lattice_window::save_pattern() {
  if (picture_->empty()) return tell(QStringLiteral("Open observed lines first."));
  const chosen_file file =
      ask_path_(QStringLiteral("Save the pattern picture"), {QStringLiteral("PNG (*.png)")});
  if (file.path.isEmpty()) return;
  const QString path = with_suffix(file.path, QStringLiteral("png"));
  tell(picture_->save(path) ? QStringLiteral("Saved %1").arg(path)
                            : QStringLiteral("Could not write %1").arg(path));
}

}  // namespace quarvel::gui
