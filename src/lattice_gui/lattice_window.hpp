// The Lattice symmetry window: the analysis of the current starting cell as a sortable table
// beside its delta ladder, with the actions on an entry and the exports.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "lattice/analysis.hpp"
#include "lattice_gui/starting_cell.hpp"

class QDoubleSpinBox;
class QLabel;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;

namespace quarvel::gui {

class delta_ladder;
class lattice_table_model;

class lattice_window : public QDialog {
  Q_OBJECT

 public:
  lattice_window(QMainWindow& main, TForm1& form);

  // Asks where to save; the desktop's file dialog unless a test answers instead.
  using path_question = std::function<QString(const QString& caption, const QString& filter)>;
  void set_path_question(path_question ask) { ask_path_ = std::move(ask); }

  // Analyses the starting cell again when it changed (or when `force`).
  void follow(bool force = false);

  void use_as_starting_cell();
  void copy_selection();
  void export_table();
  void export_cif();
  void save_picture();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void watch_main_window();
  std::vector<const lattice::lattice_entry*> selected_entries() const;
  void write(const QString& path, const std::string& content);
  void tell(const QString& message);

  QMainWindow& main_;
  TForm1& form_;
  path_question ask_path_;
  QLabel* caption_ = nullptr;
  QLabel* message_ = nullptr;
  QDoubleSpinBox* delta_ = nullptr;
  QSpinBox* index_ = nullptr;
  QTableView* table_ = nullptr;
  lattice_table_model* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  delta_ladder* ladder_ = nullptr;
  std::optional<lattice::cell> analysed_;
  double analysed_delta_ = 0;
  int analysed_index_ = 0;
};

}  // namespace quarvel::gui
