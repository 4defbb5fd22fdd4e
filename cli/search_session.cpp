// Keyboard entry and Run, played on the headless toolkit.
#include "search_session.hpp"

#include "main/form.hpp"
#include "main/report.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/recognition.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace quarvel::cli {

using toolkit::control;

namespace {

long double typed_value(std::string text) {
  mathhkl::repair_number(text);
  return mathhkl::parse_real(text).value;
}

// The system-list entry a user would pick: the cell's recognised system, orthorhombic for a
// right-angled cell whose edges fit no pattern.
int system_list_index(const search_options& o) {
  mathhkl::cell_state probe;
  for (int i = 0; i < 6; ++i) probe.cell[i] = typed_value((*o.cell)[i]);
  probe.tol_param = mathhkl::parse_real(o.ptol).value;
  probe.tol_angle = mathhkl::parse_real(o.atol).value;
  probe.system_code = "ORTH";
  mathhkl::recognise_cell_system(probe);
  return mathhkl::system_of_code(probe.system_code).number - 1;
}

std::string box_text(const std::string& call) { return call.substr(call.find(' ') + 1); }

}  // namespace

session_result run_search(const search_options& o) {
  toolkit::headless_toolkit tk;
  TForm1 form(tk);
  tk.activate();
  tk.click(control::BitBtn2);
  tk.select(control::ListBox3, system_list_index(o));
  static constexpr control fields[] = {control::Edit3, control::Edit4, control::Edit5,
                                       control::Edit6, control::Edit7, control::Edit8};
  for (int i = 0; i < 6; ++i) tk.type(fields[i], (*o.cell)[i]);
  tk.type(control::Edit1, o.ptol);
  tk.type(control::Edit2, o.atol);
  tk.type(control::Edit9, o.max_vector);
  tk.type(control::Edit11, o.max_ratio);
  if (o.repeat) tk.select(control::RadioGroup1, 0);
  for (int item : o.systems) tk.toggle_check(control::CheckListBox1, item);
  tk.click(control::BitBtn6);

  session_result result;
  const auto boxes = tk.messages();
  for (const auto& call : boxes) result.messages.push_back(box_text(call));
  if (form.found_count() > 0 && tk.line_count(control::ListBox2) == 2) {
    result.report = report_lines(tk, form.found_count());
  }
  if (!boxes.empty()) result.exit_status = result.report.empty() ? 1 : 3;
  return result;
}

}  // namespace quarvel::cli
