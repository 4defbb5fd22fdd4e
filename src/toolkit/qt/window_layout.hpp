// The main window's layout: where each control sits, what it shows and how it looks. Positions
// are in pixels from the top left corner of the window's client area or of the holding panel;
// a caption that a field needs sits beside that field, so that it follows the field.
#pragma once

#include <QRgb>
#include <array>
#include <optional>
#include <string_view>

#include "toolkit/controls.hpp"

namespace toolkit::qt::layout {

inline constexpr std::string_view kWindowCaption =
    "Quarvel: Multiple more symetric cell searching. (February 7th)";

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kGrey = qRgb(128, 128, 128);
inline constexpr QRgb kTeal = qRgb(0, 128, 128);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);

struct box {
  int left, top, width, height;  // height 0: the widget's own height
};

enum class glyph { none, keyboard, run, abort, print, close };

struct button {
  control id;
  control parent;  // Form1: directly on the window
  box place;       // buttons on the window widen, in row order, when their caption needs it
  std::string_view caption;
  std::string_view hint;
  glyph icon;
  bool toggle;  // stays pressed in after a click, comes up at the next; takes no focus
};

inline constexpr std::array kButtons{
    button{control::BitBtn2,
           control::Form1,
           {0, 0, 75, 25},
           "Keyboard",
           "Enter the initial cell by keyboard",
           glyph::keyboard,
           false},
    button{control::BitBtn3,
           control::Form1,
           {75, 0, 75, 25},
           "Crysfire",
           "Load a Crysfire summary file (*.sum)",
           glyph::none,
           false},
    button{control::BitBtn4,
           control::Form1,
           {150, 0, 75, 25},
           "Lanfit",
           "Load a Lanfit cell file (*.cry)",
           glyph::none,
           false},
    button{control::BitBtn6, control::Form1, {225, 0, 75, 25}, "Run", "", glyph::run, false},
    button{
        control::SpeedButton1, control::Form1, {300, 0, 70, 25}, "Abort", "", glyph::abort, true},
    button{control::BitBtn5,
           control::Form1,
           {370, 0, 75, 25},
           "Edit/Print",
           "Edit (print) results",
           glyph::print,
           false},
    button{control::BitBtn7, control::Form1, {445, 0, 75, 25}, "&Close", "", glyph::close, false},
    button{control::BitBtn1, control::Panel1, {104, 120, 75, 25}, "Run", "", glyph::run, false},
    button{control::SpeedButton2,
           control::Panel1,
           {104, 145, 75, 25},
           "Abort",
           "",
           glyph::abort,
           true},
};

// The file name of a Crysfire import, beside the button row.
inline constexpr control kFileNameLabel = control::Label10;
inline constexpr box kFileNamePlace{557, 5, 0, 0};

struct panel {
  control id;
  box place;
  QRgb colour;
};

inline constexpr std::array kPanels{
    panel{control::Panel1, {608, 16, 193, 273}, kSilver},  // keyboard cell entry
    panel{control::Panel2, {2, 373, 935, 335}, kSilver},   // results
    panel{control::Panel3, {2, 32, 351, 233}, kSilver},    // cell searching conditions
    panel{control::Panel4, {358, 32, 577, 337}, kSilver},  // Crysfire solutions
    panel{control::Panel5, {2, 266, 351, 105}, kGrey},     // Crysfire comparison conditions
};

struct list {
  control id;
  control parent;
  box place;
  QRgb colour;
  bool fixed_pitch;  // result and Crysfire lines are columns of characters
  int row_height;    // at least the font's height
  bool check_marks;
};

inline constexpr std::array kLists{
    list{control::ListBox3, control::Panel1, {34, 24, 80, 72}, kWhite, false, 14, false},
    list{control::ListBox2, control::Panel2, {217, 25, 526, 35}, kSilver, true, 14, false},
    list{control::ListBox6, control::Panel2, {47, 87, 855, 25}, kTeal, true, 14, false},
    list{control::ListBox4, control::Panel2, {47, 112, 855, 215}, kSilver, true, 14, false},
    list{control::CheckListBox1, control::Panel3, {228, 45, 120, 116}, kWhite, false, 16, true},
    list{control::ListBox1, control::Panel4, {12, 41, 550, 288}, kSilver, true, 14, false},
};

constexpr bool has_check_marks(control id) {
  for (const auto& l : kLists)
    if (l.id == id) return l.check_marks;
  return false;
}

struct field {
  control id;
  control parent;
  box place;
  QRgb colour;
  bool read_only;
};

inline constexpr std::array kFields{
    field{control::Edit3, control::Panel1, {39, 120, 50, 0}, kWhite, false},
    field{control::Edit4, control::Panel1, {39, 144, 50, 0}, kWhite, false},
    field{control::Edit5, control::Panel1, {39, 168, 50, 0}, kWhite, false},
    field{control::Edit6, control::Panel1, {39, 192, 50, 0}, kWhite, false},
    field{control::Edit7, control::Panel1, {39, 216, 50, 0}, kWhite, false},
    field{control::Edit8, control::Panel1, {39, 240, 50, 0}, kWhite, false},
    field{control::Edit1, control::Panel3, {135, 48, 60, 0}, kWhite, false},
    field{control::Edit2, control::Panel3, {135, 72, 60, 0}, kWhite, false},
    field{control::Edit9, control::Panel3, {135, 96, 60, 0}, kWhite, false},
    field{control::Edit11, control::Panel3, {135, 121, 60, 0}, kWhite, false},
    field{control::Edit10, control::Panel4, {158, 17, 260, 0}, kYellow, true},
    field{control::Edit12, control::Panel5, {200, 52, 60, 0}, kWhite, false},
    field{control::Edit13, control::Panel5, {200, 76, 60, 0}, kWhite, false},
};

enum class style { plain, title, underlined, bold, axis };

// A caption at a place of its own: panel titles and list headings.
struct caption {
  control parent;
  int left, top;
  std::string_view text;
  style look;
};

inline constexpr std::array kCaptions{
    caption{control::Panel1, 27, 4, "Crystal System", style::plain},
    caption{control::Panel1, 27, 100, "Cell parameters", style::plain},
    caption{control::Panel2, 455, 5, "Initial cell", style::title},
    caption{control::Panel2, 444, 67, "Found cell(s)", style::title},
    caption{control::Panel3, 72, 8, "Cell searching conditions", style::title},
    caption{control::Panel3, 266, 24, "System", style::plain},
    caption{control::Panel5, 80, 16, "Crysfire comparison conditions", style::title},
};

// A caption beside a field: its name before it, its unit after it, centred on its row.
enum class side { before, after };

struct field_caption {
  control field;
  std::string_view text;
  style look;
  side where;
};

inline constexpr std::array kFieldCaptions{
    field_caption{control::Edit3, "a", style::axis, side::before},
    field_caption{control::Edit4, "b", style::axis, side::before},
    field_caption{control::Edit5, "c", style::axis, side::before},
    field_caption{control::Edit6, "\u03b1", style::axis, side::before},
    field_caption{control::Edit7, "\u03b2", style::axis, side::before},
    field_caption{control::Edit8, "\u03b3", style::axis, side::before},
    field_caption{control::Edit1, "Parameter tolerance", style::underlined, side::before},
    field_caption{control::Edit1, "(A)", style::bold, side::after},
    field_caption{control::Edit2, "Angle tolerance", style::underlined, side::before},
    field_caption{control::Edit2, "(\u00b0)", style::bold, side::after},
    field_caption{control::Edit9, "Max vector", style::underlined, side::before},
    field_caption{control::Edit11, "Max V/Vo", style::underlined, side::before},
    field_caption{control::Edit12, "Parameter tolerance", style::title, side::before},
    field_caption{control::Edit12, "(A)", style::bold, side::after},
    field_caption{control::Edit13, "Angle tolerance", style::title, side::before},
    field_caption{control::Edit13, "(\u00b0)", style::bold, side::after},
};

struct radio {
  control id;
  control parent;
  box place;
  std::string_view title;
  int columns;
};

inline constexpr radio kRadioGroup{
    control::RadioGroup1, control::Panel3, {100, 176, 150, 48}, "Repeat identical cell?", 2};

inline constexpr control kProgressBar = control::ProgressBar1;
inline constexpr control kProgressParent = control::Panel2;
inline constexpr box kProgressPlace{48, 32, 150, 16};

// The main menu: the File menu, then two commands on the menu bar itself.
struct menu_item {
  std::optional<control> id;  // none: a separator
  std::string_view caption;
};

inline constexpr std::array kFileMenu{
    menu_item{control::Open1, "Open Cr&ysfire file"},
    menu_item{control::OpenLanfitfile1, "Open &Lanfit file"},
    menu_item{std::nullopt, "-"},
    menu_item{control::Keyboard1, "&Keyboard"},
    menu_item{std::nullopt, "-"},
    menu_item{control::Savecellprameters1, "&Save cell parameters"},
    menu_item{std::nullopt, "-"},
    menu_item{control::Quit1, "&Quit"},
};
inline constexpr std::string_view kFileMenuCaption = "File";
inline constexpr std::array kMenuBarCommands{
    menu_item{control::About1, "&About"},
    menu_item{control::Quit2, "&Quit"},
};

// The desktop's usual keys. Menu items show theirs beside their captions; a button's key acts
// as a click on it.
struct shortcut {
  control id;
  std::string_view keys;  // in the portable text of key sequences
};

inline constexpr std::array kShortcuts{
    shortcut{control::Open1, "Ctrl+O"},
    shortcut{control::OpenLanfitfile1, "Ctrl+L"},
    shortcut{control::Savecellprameters1, "Ctrl+S"},
    shortcut{control::Quit1, "Ctrl+Q"},
    shortcut{control::BitBtn6, "Ctrl+R"},
    shortcut{control::SpeedButton1, "Esc"},
};

// Description|pattern pairs, joined by vertical bars.
inline constexpr std::string_view kOpenFilter = "Cysfire file|*.sum|Lanfit file|*.cry";
inline constexpr std::string_view kSaveFilter = "Lanfit file (*.cry)|*.cry";

constexpr std::string_view filter_of(control dialog) {
  return dialog == control::SaveDialog1 ? kSaveFilter : kOpenFilter;
}

// Tab order over the whole window: the panels' fields take their panel's place among the
// buttons; hidden controls are passed over.
inline constexpr std::array kTabOrder{
    control::Edit3,         control::Edit4,    control::Edit5,    control::Edit6,
    control::Edit7,         control::Edit8,    control::ListBox3, control::BitBtn1,
    control::BitBtn2,       control::BitBtn3,  control::BitBtn4,  control::ListBox2,
    control::ListBox4,      control::ListBox6, control::BitBtn5,  control::BitBtn7,
    control::BitBtn6,       control::ListBox1, control::Edit10,   control::Edit1,
    control::Edit2,         control::Edit9,    control::Edit11,   control::RadioGroup1,
    control::CheckListBox1, control::Edit12,   control::Edit13,
};

}  // namespace toolkit::qt::layout
