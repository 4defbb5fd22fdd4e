// The main window's logic, TForm1: its state and its event handlers. It reaches the window only
// through the toolkit; each concern's handlers live in a file of their own.
#pragma once

#include <string>
#include <string_view>

#include "mathhkl/cell_state.hpp"
#include "toolkit/toolkit.hpp"

namespace quarvel {

using toolkit::control;

class TForm1 : public toolkit::event_sink {
 public:
  // Puts the layout's texts, items and visibility into the controls.
  explicit TForm1(toolkit::toolkit& tk);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;
  ~TForm1() override;

  // The one event boundary: a platform failure ends the handler and shows its message.
  void dispatch(control source, toolkit::event kind) override;

  // Search conditions and run control.
  void click_systeme();
  void clickcheck();
  void onexit();
  void init();

  // Keyboard entry.
  void clavier();
  void get_nom_systeme();
  void set_numero();
  void verification();
  void cell_to_fields();
  bool fields_to_cell();  // false when no crystal system is chosen

  // Cell files, Crysfire summaries and the results report.
  void ouvre_fichier_lanfit();
  void Savecellprameters1Click();
  void ouvre_fichier_crysfire();
  void print_edit();

  // The About box, shown without blocking the window.
  void About1Click();

  // Exit.
  void sortie();
  // Asks a running search to stop at its next pair of vectors (the window is closing).
  void request_stop() { stop_requested_ = true; }

  // Lines of the found-cell list left by the last search.
  int found_count() const;
  // The first Crysfire solution matching a found-cell line, 0 for none.
  int find_sum_line(std::string_view found_line) const;

  bool searching() const { return searching_; }
  mathhkl::cell_state& shared() { return state_; }
  const mathhkl::cell_state& shared() const { return state_; }
  int numero() const { return numero_; }

 private:
  class run;  // one search, from its conditions to its ending
  void put_layout_defaults();
  // Result lists emptied, the cell entry and conditions shown, the Crysfire panels hidden.
  void show_keyboard_mode();
  control field(int number) const;

  toolkit::toolkit& tk_;
  mathhkl::cell_state state_;
  int numero_ = 0;
  std::string active_file_;
  bool searching_ = false;
  bool stop_requested_ = false;
};

}  // namespace quarvel
