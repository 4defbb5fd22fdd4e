// The observed line list opened in the lattice window, with what its first numbers are (2θ or d),
// the wavelength and the 2θ tolerance it is indexed with; shared by the lattice and Compare
// solutions windows.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "pattern/indexing.hpp"
#include "pattern/observed_lines.hpp"

namespace quarvel::gui {

class observed_pattern : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Reads the list; on failure returns the reader's message, naming the file, and keeps the
  // list it had. Empty on success.
  QString open(const QString& path);
  // A new wavelength, tolerance or unit: the list is read again (a d list depends on the
  // wavelength), and on failure nothing changes.
  QString set_conditions(double wavelength, double tolerance, pattern::line_unit unit);

  bool loaded() const { return !lines_.empty(); }
  const std::vector<pattern::observed_line>& lines() const { return lines_; }
  const pattern::indexing_options& options() const { return options_; }
  pattern::line_unit unit() const { return unit_; }
  const QString& path() const { return path_; }

 signals:
  void changed();

 private:
  QString read(const QString& path, const pattern::indexing_options& options,
               pattern::line_unit unit);

  std::vector<pattern::observed_line> lines_;
  pattern::indexing_options options_;
  pattern::line_unit unit_ = pattern::line_unit::two_theta;
  QString path_;
};

}  // namespace quarvel::gui
