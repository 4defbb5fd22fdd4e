// The file is read whole and parsed by the pattern library, whose messages name the row.
#include "lattice_gui/observed_pattern.hpp"

#include <QFileInfo>

#include "mathhkl/file_io.hpp"
#include "platform/error.hpp"

namespace quarvel::gui {

QString observed_pattern::open(const QString& path) {
  return read(path, options_, unit_);
}

QString observed_pattern::set_conditions(double wavelength, double tolerance,
                                         pattern::line_unit unit) {
  pattern::indexing_options next = options_;
  next.wavelength = wavelength;
  next.tolerance = tolerance;
  if (!loaded()) {
    options_ = next;
    unit_ = unit;
    return {};
  }
  return read(path_, next, unit);
}

QString observed_pattern::read(const QString& path, const pattern::indexing_options& options,
                               pattern::line_unit unit) {
  const QString name = QFileInfo(path).fileName();
  try {
    std::vector<pattern::observed_line> lines = pattern::read_observed_lines(
        mathhkl::read_file(path.toStdString()), unit, options.wavelength);
    lines_ = std::move(lines);
  } catch (const pattern::pattern_error& e) {
    return QStringLiteral("%1: %2").arg(name, QString::fromUtf8(e.what()));
  } catch (const platform::error& e) {
    return QStringLiteral("%1: %2").arg(name, QString::fromUtf8(e.what()));
  }
  options_ = options;
  unit_ = unit;
  path_ = path;
  emit changed();
  return {};
}

}  // namespace quarvel::gui
