// The main window's logic, TForm1: its state and its event handlers. It reaches the window only
// through the toolkit; each concern's handlers live in a file of their own:
//   form.cpp                 the layout's contents, the event wiring (dispatch), sortie
//   run_control.cpp          click_systeme, the Run handler; search_run.cpp: one search's run
//   target_systems.cpp       init, clickcheck, onexit
//   keyboard_entry.cpp       clavier, get_nom_systeme, set_numero, verification, the fields
//   cell_file.cpp            ouvre_fichier_lanfit, Savecellprameters1Click
//   crysfire_import.cpp      ouvre_fichier_crysfire; sum_cross_reference.cpp: find_sum_line
//   edit_print.cpp           print_edit; about_box.cpp: About1Click
// The handlers keep the names the layout binds to them, some in French; each is glossed below.
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
  void click_systeme();  // "click system": Run
  void clickcheck();     // a target system's check mark clicked
  void onexit();         // the target list left
  void init();           // the window became active

  // Keyboard entry.
  void clavier();          // "keyboard": show the cell entry
  void get_nom_systeme();  // "get the system's name": a system of the list chosen
  void set_numero();       // "set the number": a cell field entered
  void verification();     // "check": a cell field left
  void cell_to_fields();
  bool fields_to_cell();  // false when no crystal system is chosen

  // Cell files, Crysfire summaries and the results report.
  void ouvre_fichier_lanfit();     // "open Lanfit file"
  void Savecellprameters1Click();  // save the cell as a Lanfit file
  void ouvre_fichier_crysfire();   // "open Crysfire file"
  void print_edit();               // write the report and open it

  // The About box, shown without blocking the window.
  void About1Click();

  // Exit.
  void sortie();  // "exit"
  // Asks a running search to stop at its next pair of vectors (the window is closing).
  void request_stop() { stop_requested_ = true; }

  // Lines of the found-cell list left by the last search.
  int found_count() const;
  // The first Crysfire solution matching a found-cell line, 0 for none.
  int find_sum_line(std::string_view found_line) const;

  bool searching() const { return searching_; }
  // The window's controls, for what works beside the form (the lattice panel's starting cell).
  toolkit::toolkit& controls() { return tk_; }
  const toolkit::toolkit& controls() const { return tk_; }
  mathhkl::cell_state& shared() { return state_; }
  const mathhkl::cell_state& shared() const { return state_; }
  int numero() const { return numero_; }  // the cell field entered last, 1..6; 0 for none
  // Cell files read into the fields so far: a starting cell that carries no centring.
  int cell_files_read() const { return cell_files_read_; }

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
  int cell_files_read_ = 0;
  bool searching_ = false;
  bool stop_requested_ = false;
};

}  // namespace quarvel
