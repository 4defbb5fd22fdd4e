// The user's moves, played on the headless toolkit: a starting cell typed in, read from a cell
// file or picked from a Crysfire summary; the conditions; Run; and the cell saved.
#include "search_session.hpp"

#include <algorithm>
#include <array>

#include "main/form.hpp"
#include "main/report.hpp"
#include "main/result_lines.hpp"
#include "main/starting_cell.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/recognition.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace quarvel::cli {

using toolkit::control;

namespace {

// Exit statuses; when several apply, the highest is returned.
constexpr int kRefused = 1;
constexpr int kListFull = 3;
constexpr int kFileFailed = 4;

long double typed_value(std::string text) {
  mathhkl::repair_number(text);
  return mathhkl::parse_real(text).value;
}

std::string box_text(const std::string& call) {
  return call.substr(call.find(' ') + 1);
}

class session {
 public:
  explicit session(const search_options& o) : o_(o) { tk_.activate(); }

  session_result run() {
    if (take_starting_cell()) {
      if (o_.all_solutions) {
        search_every_solution();
      } else {
        search(o_.solution, "");
      }
      if (!o_.save_cell.empty()) save_cell();
    }
    return std::move(result_);
  }

 private:
  // False when the cell could not be taken: its file failed, or the solution does not exist.
  bool take_starting_cell() {
    if (o_.cell) {
      type_cell();
    } else if (!o_.cry_file.empty()) {
      if (!open_file(control::BitBtn4, o_.cry_file)) return false;
      // A cell the recognisers leave without a system gets one as a user would pick it.
      if (tk_.selected_index(control::ListBox3) < 0) {
        tk_.select(control::ListBox3, system_list_index(form_.shared().cell));
      }
    } else {
      if (!open_file(control::BitBtn3, o_.sum_file)) return false;
      const int count = form_.shared().sum_line_count;
      if (count == 0 || o_.solution > count) {
        result_.messages.push_back(
            o_.sum_file + " lists " + std::to_string(count) + " solution(s)" +
            (o_.solution > 0 ? ": there is no solution " + std::to_string(o_.solution) : ""));
        raise_status(kRefused);
        return false;
      }
    }
    return true;
  }

  void type_cell() {
    std::array<long double, 6> typed;
    for (int i = 0; i < 6; ++i) typed[i] = typed_value((*o_.cell)[i]);
    tk_.click(control::BitBtn2);
    tk_.select(control::ListBox3, system_list_index(typed));
    for (int i = 0; i < 6; ++i) tk_.type(toolkit::kCellFields[i], (*o_.cell)[i]);
  }

  // The system-list entry a user would pick: the cell's recognised system, orthorhombic for a
  // right-angled cell whose edges fit no pattern. A number beyond the stored range leaves the
  // pick to "Tricl.", which presets no field: the window reports the number when it reads it.
  template <typename Cell>
  int system_list_index(const Cell& cell) const {
    try {
      mathhkl::cell_state probe;
      std::copy(cell.begin(), cell.end(), probe.cell.begin());
      probe.tol_param = mathhkl::parse_real(o_.ptol).value;
      probe.tol_angle = mathhkl::parse_real(o_.atol).value;
      probe.system_code = "ORTH";
      mathhkl::recognise_cell_system(probe);
      return mathhkl::keyboard_list_index(mathhkl::system_of_code(probe.system_code).system);
    } catch (const platform::error&) {
      return mathhkl::keyboard_list_index(mathhkl::crystal_system::triclinic);
    }
  }

  // A button whose dialog is answered with `path`; false when the handler showed a failure.
  bool open_file(control button, const std::string& path) {
    tk_.queue_file(path);
    tk_.click(button);
    if (collect_boxes("").empty()) return true;
    raise_status(kFileFailed);
    return false;
  }

  void search_every_solution() {
    for (int k = 1; k <= form_.shared().sum_line_count; ++k) {
      if (k > 1) result_.report.emplace_back();
      result_.report.push_back(tk_.line(control::ListBox1, k));
      search(k, "solution " + std::to_string(k) + ": ");
    }
  }

  // Conditions, targets, the solution (from 1; 0 for none) and Run. A message box re-activates
  // the window, which checks "All" again, so every search chooses its targets afresh.
  void search(int solution, const std::string& message_prefix) {
    tk_.type(control::Edit1, o_.ptol);
    tk_.type(control::Edit2, o_.atol);
    tk_.type(control::Edit9, o_.max_vector);
    tk_.type(control::Edit11, o_.max_ratio);
    if (o_.sum_ptol) tk_.type(control::Edit12, *o_.sum_ptol);
    if (o_.sum_atol) tk_.type(control::Edit13, *o_.sum_atol);
    if (o_.repeat) tk_.select(control::RadioGroup1, 0);
    tk_.toggle_check(control::CheckListBox1, 0);  // "All" alone, whatever was checked before
    for (mathhkl::crystal_system s : o_.systems)
      tk_.toggle_check(control::CheckListBox1, mathhkl::check_list_item(s));
    if (solution > 0) tk_.select(control::ListBox1, solution);
    tk_.click(control::BitBtn6);

    std::vector<std::string> report;
    if (form_.found_count() > 0 && tk_.line_count(control::ListBox2) == 2) {
      report = report_lines(tk_, form_.found_count());
    }
    // A box after results is the full list, or a failure that ended the search half-way.
    const std::vector<std::string> boxes = collect_boxes(message_prefix);
    const bool list_full = std::any_of(boxes.begin(), boxes.end(), [](const std::string& box) {
      return box.ends_with(kTooManyFoundCells);
    });
    if (!boxes.empty()) raise_status(list_full ? kListFull : kRefused);
    result_.report.insert(result_.report.end(), report.begin(), report.end());
    if (!report.empty())
      result_.searches.push_back({solution, std::move(report), searched_cell(form_)});
  }

  void save_cell() {
    tk_.queue_file(o_.save_cell);
    tk_.click(control::Savecellprameters1);
    if (!collect_boxes("").empty()) raise_status(kFileFailed);
  }

  // The texts of the boxes shown since the last call, also added to the result's messages.
  std::vector<std::string> collect_boxes(const std::string& prefix) {
    const std::vector<std::string> boxes = tk_.messages();
    std::vector<std::string> fresh;
    for (size_t i = boxes_seen_; i < boxes.size(); ++i)
      fresh.push_back(prefix + box_text(boxes[i]));
    boxes_seen_ = boxes.size();
    result_.messages.insert(result_.messages.end(), fresh.begin(), fresh.end());
    return fresh;
  }

  void raise_status(int status) { result_.exit_status = std::max(result_.exit_status, status); }

  const search_options& o_;
  toolkit::headless_toolkit tk_;
  TForm1 form_{tk_};
  size_t boxes_seen_ = 0;
  session_result result_;
};

}  // namespace

session_result run_search(const search_options& options) {
  return session(options).run();
}

}  // namespace quarvel::cli
