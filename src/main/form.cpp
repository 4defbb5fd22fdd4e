// TForm1: the layout's initial contents and the event wiring.
#include "main/form.hpp"

#include <algorithm>

#include "mathhkl/crystal_systems.hpp"
#include "platform/error.hpp"

namespace quarvel {

using toolkit::event;

namespace {

bool is_cell_field(control c) {
  return std::find(toolkit::kCellFields.begin(), toolkit::kCellFields.end(), c) !=
         toolkit::kCellFields.end();
}

}  // namespace

TForm1::TForm1(toolkit::toolkit& tk) : tk_(tk) {
  put_layout_defaults();
  tk_.set_event_sink(this);
}

TForm1::~TForm1() {
  tk_.set_event_sink(nullptr);
}

void TForm1::put_layout_defaults() {
  for (control panel : {control::Panel1, control::Panel2, control::Panel3, control::Panel4,
                        control::Panel5, control::Label10, control::StatusBar1}) {
    tk_.set_visible(panel, false);
  }
  tk_.set_text(control::Edit1, "0.005");
  tk_.set_text(control::Edit2, "0.3");
  tk_.set_text(control::Edit9, "3");
  tk_.set_text(control::Edit11, "10");
  tk_.set_text(control::Edit12, "0.01");
  tk_.set_text(control::Edit13, "0.5");
  tk_.set_text(control::Edit10, "Select a line in the Crysfile list, then Run");
  for (const auto& system : mathhkl::crystal_systems) {
    tk_.add_line(control::ListBox3, system.short_label);
  }
  tk_.add_line(control::CheckListBox1, "All");
  for (const auto& system : mathhkl::crystal_systems) {
    if (!system.name.empty()) tk_.add_line(control::CheckListBox1, system.name);
  }
  tk_.add_line(control::RadioGroup1, "Yes");
  tk_.add_line(control::RadioGroup1, "No");
  tk_.set_selected_index(control::RadioGroup1, 1);
}

int TForm1::found_count() const {
  return tk_.line_count(control::ListBox4);
}

void TForm1::sortie() {
  request_stop();
  tk_.close_window(control::Form1);
}

void TForm1::dispatch(control source, event kind) {
  try {
    switch (kind) {
      case event::activate:
        if (source == control::Form1) init();
        break;
      case event::click:
        switch (source) {
          case control::BitBtn2:
          case control::Keyboard1:
            clavier();
            break;
          case control::BitBtn1:
          case control::BitBtn6:
            click_systeme();
            break;
          case control::BitBtn7:
          case control::Quit1:
          case control::Quit2:
            sortie();
            break;
          case control::ListBox3:
            get_nom_systeme();
            break;
          case control::BitBtn3:
          case control::Open1:
            ouvre_fichier_crysfire();
            break;
          case control::BitBtn4:
          case control::OpenLanfitfile1:
            ouvre_fichier_lanfit();
            break;
          case control::BitBtn5:
            print_edit();
            break;
          case control::Savecellprameters1:
            Savecellprameters1Click();
            break;
          case control::About1:
            About1Click();
            break;
          default:
            break;
        }
        break;
      case event::enter:
        if (is_cell_field(source)) set_numero();
        break;
      case event::exit:
        if (is_cell_field(source)) verification();
        if (source == control::CheckListBox1) onexit();
        break;
      case event::click_check:
        if (source == control::CheckListBox1) clickcheck();
        break;
      case event::close:
        if (source == control::Form1) request_stop();
        break;
    }
  } catch (const platform::error& e) {
    // The default error report: the handler ends, its message is shown, the program goes on.
    tk_.set_cursor(toolkit::cursor::normal);
    tk_.error_box(e.what());
  }
}

}  // namespace quarvel
