// The named controls of the main window and the events they deliver to its handlers.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace toolkit {

// One list, so that the enumeration and the names can never disagree.
// clang-format off
#define QUARVEL_CONTROLS(X)                                                                     \
  /* the window and its button row */                                                         \
  X(Form1) X(BitBtn2) X(BitBtn3) X(BitBtn4) X(BitBtn6) X(SpeedButton1) X(BitBtn5) X(BitBtn7)    \
  X(Label10)                                                                                    \
  /* panels */                                                                                  \
  X(Panel1) X(Panel2) X(Panel3) X(Panel4) X(Panel5)                                             \
  /* Panel1: cell entry */                                                                      \
  X(ListBox3) X(Edit3) X(Edit4) X(Edit5) X(Edit6) X(Edit7) X(Edit8) X(BitBtn1) X(SpeedButton2)  \
  /* Panel2: results */                                                                         \
  X(ListBox2) X(ProgressBar1) X(ListBox6) X(ListBox4)                                           \
  /* the status line under the results, shown when the found-cell list is full */              \
  X(StatusBar1)                                                                                 \
  /* Panel3: search conditions */                                                               \
  X(Edit1) X(Edit2) X(Edit9) X(Edit11) X(CheckListBox1) X(RadioGroup1)                          \
  /* Panel4 and Panel5: Crysfire solutions and comparison conditions */                         \
  X(Edit10) X(ListBox1) X(Edit12) X(Edit13)                                                     \
  /* menu items */                                                                              \
  X(Open1) X(OpenLanfitfile1) X(Keyboard1) X(Savecellprameters1) X(Quit1) X(About1) X(Quit2)    \
  /* dialogs and the About box */                                                               \
  X(OpenDialog1) X(SaveDialog1) X(fapropos)
// clang-format on

#define QUARVEL_CONTROL_ENUM(name) name,
enum class control { QUARVEL_CONTROLS(QUARVEL_CONTROL_ENUM) };
#undef QUARVEL_CONTROL_ENUM
#define QUARVEL_CONTROL_COUNT(name) +1
inline constexpr std::size_t kControlCount = 0 QUARVEL_CONTROLS(QUARVEL_CONTROL_COUNT);
#undef QUARVEL_CONTROL_COUNT

// The six cell fields a, b, c, alpha, beta, gamma of Panel1, in this order.
inline constexpr std::array<control, 6> kCellFields{control::Edit3, control::Edit4, control::Edit5,
                                                    control::Edit6, control::Edit7, control::Edit8};

// The name as the layout spells it, for recordings and test messages.
std::string_view name_of(control c);

// `close`: the main window is closing, by the program or by its own close box.
enum class event { click, enter, exit, click_check, activate, close };

enum class colour { white, silver };
enum class cursor { normal, hourglass };
enum class answer { yes, no, cancel };

}  // namespace toolkit
