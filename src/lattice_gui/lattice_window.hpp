// The Lattice symmetry window: the analysis of the current starting cell as a sortable table
// beside its delta ladder, with the actions on an entry and the exports.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <functional>
#include <optional>

#include "lattice/analysis.hpp"
#include "lattice_gui/save_question.hpp"
#include "main/starting_cell.hpp"
#include "pattern/evidence.hpp"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QMenuBar;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;

namespace quarvel::gui {

class delta_ladder;
class lattice_table_model;
class observed_pattern;
class pattern_picture;

class lattice_window : public QDialog {
  Q_OBJECT

 public:
  lattice_window(QMainWindow& main, TForm1& form, observed_pattern& observed);

  // Asks where to save and in which format; the desktop's file dialog unless a test answers.
  using path_question =
      std::function<chosen_file(const QString& caption, const QStringList& filters)>;
  void set_path_question(path_question ask) { ask_path_ = std::move(ask); }

  // Analyses the starting cell again when it or the conditions changed (or when `force`).
  void follow(bool force = false);
  // The centring the starting cell is read with.
  lattice::centring centring() const;

  void use_as_starting_cell();
  void copy_selection();
  void export_table();
  void export_cif();
  void save_picture();
  void save_pattern();
  void open_observed_lines();
  void refine();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void watch_main_window();
  void set_centring(lattice::centring c);
  // A starting cell from a source that knows no centring: a Crysfire solution, a cell file,
  // the other entry mode.
  void follow_new_source();
  std::vector<const lattice::lattice_entry*> selected_entries() const;
  void write(const QString& path, const std::string& content);
  // The lines weighed against the analysis shown, or the columns and picture removed.
  void weigh_lines();
  void show_selected_pattern();
  QMenuBar* menu();
  void tell(const QString& message);

  QMainWindow& main_;
  TForm1& form_;
  observed_pattern& observed_;
  path_question ask_path_;
  QLabel* caption_ = nullptr;
  QLabel* message_ = nullptr;
  QComboBox* centring_ = nullptr;
  QDoubleSpinBox* delta_ = nullptr;
  QSpinBox* index_ = nullptr;
  QTableView* table_ = nullptr;
  lattice_table_model* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  delta_ladder* ladder_ = nullptr;
  QDoubleSpinBox* wavelength_ = nullptr;
  QComboBox* unit_ = nullptr;
  QDoubleSpinBox* tolerance_ = nullptr;
  pattern_picture* picture_ = nullptr;
  QLabel* refined_label_ = nullptr;
  QLabel* lines_label_ = nullptr;
  std::optional<pattern::indexed_pattern> input_lines_;  // the input lattice's, for the picture
  // The refined cell of the entry at this row of the model, until the analysis changes.
  std::optional<std::pair<int, lattice::cell>> refined_;
  std::optional<lattice::cell> analysed_;
  lattice::centring analysed_centring_ = lattice::centring::P;
  double analysed_delta_ = 0;
  int analysed_index_ = 0;
  bool adopting_ = false;  // an entry is going into the fields, one field at a time
  int cell_files_seen_ = 0;
};

}  // namespace quarvel::gui
