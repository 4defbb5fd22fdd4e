// The Crysfire import: a summary file becomes the pick list of solutions in ListBox1.
#include <filesystem>

#include "main/form.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/sum_file.hpp"
#include "mathhkl/text_lines.hpp"

namespace quarvel {

namespace {
constexpr int kCrysfireFilter = 1;  // "Cysfire file|*.sum" in the open dialog's filter
}  // namespace

void TForm1::ouvre_fichier_crysfire() {
  tk_.clear(control::ListBox4);
  tk_.clear(control::ListBox2);
  const std::optional<std::string> path = tk_.open_dialog(control::OpenDialog1, kCrysfireFilter);
  if (!path) return;
  // The list and its count change together, so a failed import leaves no line to look up.
  tk_.clear(control::ListBox1);
  state_.sum_line_count = 0;
  tk_.set_visible(control::Panel4, true);
  tk_.set_visible(control::Panel5, true);
  tk_.set_visible(control::Label10, true);
  tk_.set_visible(control::Edit10, true);
  tk_.set_visible(control::Panel1, false);
  tk_.refresh(control::ListBox1);

  state_.sum_file_name = *path;
  active_file_ = mathhkl::normalise_line_ends(state_.sum_file_name, state_.sum_dir)
                     ? mathhkl::working_file(state_.sum_dir, mathhkl::kWorkingCopyName)
                     : state_.sum_file_name;
  tk_.set_text(control::Label10,
               "Active file : " + std::filesystem::path(active_file_).filename().string());
  mathhkl::read_sum_file(active_file_, state_);

  const std::vector<std::string> list = mathhkl::text_lines(
      mathhkl::read_file(mathhkl::working_file(state_.sum_dir, mathhkl::kListFileName)));
  for (const auto& line : list) tk_.add_line(control::ListBox1, line);
  state_.sum_line_count = static_cast<int>(list.size()) - 1;  // the header is not a solution
  if (state_.sum_line_count > 0) tk_.set_selected_index(control::ListBox1, 1);
  tk_.set_visible(control::Panel3, true);
}

}  // namespace quarvel
