// Edit/Print: the results go to a plain-text report that the desktop's text editor opens.
#include <filesystem>

#include "main/form.hpp"
#include "main/report.hpp"
#include "main/show_error.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/text_lines.hpp"

namespace quarvel {

namespace {
// In the current folder, beside the user's files.
constexpr const char* kReportFile = "quarvel.tmp";
}  // namespace

void TForm1::print_edit() {
  // A new source empties the result lists; there is nothing to report until the next search.
  if (found_count() == 0 || tk_.line_count(control::ListBox2) < 2 ||
      tk_.line_count(control::ListBox6) < 1) {
    return;
  }
  mathhkl::replace_file(kReportFile, mathhkl::crlf_text(report_lines(tk_, found_count())));
  // A desktop without a configured editor makes the opener fail; the user must still learn
  // where the report is.
  const std::string path = std::filesystem::absolute(kReportFile).string();
  tk_.launch("xdg-open", {kReportFile}, [this, path] {
    show_error(tk_, "The report could not be opened in a text editor. It is written in " + path);
  });
}

}  // namespace quarvel
