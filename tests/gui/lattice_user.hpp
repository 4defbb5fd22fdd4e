// What the lattice windows' tests do as the user: enter a cell, read the table, answer a file
// dialog, read a written file.
#pragma once

#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <string>
#include <vector>

#include "lattice/types.hpp"
#include "window_driver.hpp"

namespace quarvel::gui {

inline constexpr int kOrtho = 2;  // "Ortho." in the system list
inline constexpr int kTetra = 1;  // "Tetra."

// Keyboard, "Ortho." and the three edges as typed.
void enter_ortho_cell(window_driver& user, const QString& a, const QString& b, const QString& c);

QTableView* table(program& p);
// The shown text of a table column, top to bottom.
QStringList column(QTableView* t, int col);

// Answers the next file dialog with `path`, or cancels it when `path` is empty; one timer for
// each dialog. `filter`, when given, is chosen in the dialog first.
void answer_file_dialog(QTimer& user, const QString& path, const QString& filter = {});

std::string read_all(const QString& path);

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
