// What the lattice windows' tests do as the user: enter a cell, read the table, answer a file
// dialog, read a written file.
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <string>
#include <vector>

#include "lattice/types.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "window_driver.hpp"

namespace quarvel::gui {

inline constexpr int kTetra = mathhkl::keyboard_list_index(mathhkl::crystal_system::tetragonal);

QTableView* table(program& p);
// The shown text of a table column, top to bottom.
QStringList column(QTableView* t, int col);

// Answers the next file dialog with `path`, or cancels it when `path` is empty; one timer for
// each dialog. `filter`, when given, is chosen in the dialog first.
void answer_file_dialog(QTimer& user, const QString& path, const QString& filter = {});

std::string read_all(const QString& path);

// Where `w` stands in `window`'s coordinates.
QRect in_window(const QWidget& w, const QWidget& window);
// Empty when `w` is shown whole inside the window with nothing over its centre; else what is
// wrong.
QString seen_problem(const QWidget& w, const QWidget& window);
// The same for a label, which must also show a text of at least one full line.
QString label_seen_problem(const QLabel& label);

}  // namespace quarvel::gui

namespace quarvel::gui {

// A line list as the pattern reader takes it: 2θ and intensity a row.
struct test_line {
  double two_theta;
  double intensity;
};
void write_lines(const QString& path, const std::vector<test_line>& lines);
// The calculated lines' 2θ (Cu Kα1) of a cell with its centring, up to `highest` degrees.
std::vector<double> line_positions(const lattice::cell& c, lattice::centring centred,
                                   double highest);
// Those positions as observed: a small offset that alternates in sign, intensities that vary.
std::vector<test_line> observed(const std::vector<double>& positions, double offset);

}  // namespace quarvel::gui
