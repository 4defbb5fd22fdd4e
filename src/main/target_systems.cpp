// The target-system check list and the defaults set when the window becomes active.
#include "main/form.hpp"

namespace quarvel {

void TForm1::init() {
  // While a search pumps messages its tolerances and targets stay as it read them.
  if (searching_) return;
  state_.tol_param = 0.005L;
  state_.tol_angle = 0.3L;
  tk_.set_checked(control::CheckListBox1, 0, true);
}

void TForm1::clickcheck() {
  // "All" excludes the single systems: clicking it keeps it checked and clears the others.
  if (tk_.selected_index(control::CheckListBox1) == 0) {
    for (int item = 1; item <= 6; ++item) tk_.set_checked(control::CheckListBox1, item, false);
    tk_.set_checked(control::CheckListBox1, 0, true);
  } else {
    tk_.set_checked(control::CheckListBox1, 0, false);
  }
}

void TForm1::onexit() {
  tk_.set_selected_index(control::CheckListBox1, -1);
}

}  // namespace quarvel
