// Edit/Print: the results go to a plain-text report that the desktop's text editor opens.
#include "main/form.hpp"
#include "main/report.hpp"
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
  tk_.launch("xdg-open", {kReportFile});
}

}  // namespace quarvel
