// The Lanfit cell file: the second source of the starting cell, and the one file the program
// writes for another program to read.
#include "main/cell_file_format.hpp"
#include "main/form.hpp"
#include "mathhkl/file_io.hpp"
#include "mathhkl/recognition.hpp"

namespace quarvel {

namespace {
constexpr int kLanfitFilter = 2;  // "Lanfit file|*.cry" in the open dialog's filter
}  // namespace

void TForm1::ouvre_fichier_lanfit() {
  const std::optional<std::string> path = tk_.open_dialog(control::OpenDialog1, kLanfitFilter);
  if (!path) return;
  show_keyboard_mode();
  active_file_ = *path;
  read_cell_values(mathhkl::read_file(active_file_), state_.cell);
  // The system code on line 2 is not trusted: the numbers decide.
  mathhkl::recognise_cell_system(state_);
  ++cell_files_read_;
  cell_to_fields();
}

void TForm1::Savecellprameters1Click() {
  const std::optional<std::string> path = tk_.save_dialog(control::SaveDialog1);
  if (!path) return;
  mathhkl::replace_file(cell_file_path(*path), cell_file_text(state_.system_code, state_.cell));
}

}  // namespace quarvel
