// The longest time the window goes without handling its events during a long search: the fcc
// cell 2.8284 2.8284 2.8284 60 60 60, largest index 20, "Cubic" only, typed and run as a user
// would. A zero-interval timer fires at every pass over the event queue; one line:
//   case window-mv20-gap longest MILLISECONDS
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "mathhkl/crystal_systems.hpp"
#include "window_driver.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quarvel::program program;
  quarvel::gui::window_driver user(program);
  if (!user.start()) {
    std::cerr << "quarvel_window_gap: the window did not become active\n";
    return 1;
  }
  using mathhkl::crystal_system;
  using toolkit::control;
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, mathhkl::keyboard_list_index(crystal_system::triclinic));
  const QString cell[] = {"2.8284", "2.8284", "2.8284", "60", "60", "60"};
  for (int i = 0; i < 6; ++i) user.type(toolkit::kCellFields[i], cell[i]);
  user.toggle_check(control::CheckListBox1, mathhkl::check_list_item(crystal_system::cubic));
  user.type(control::Edit9, QStringLiteral("20"));

  QElapsedTimer clock;
  qint64 last_pass = 0;
  qint64 longest = 0;
  QTimer pass;
  QObject::connect(&pass, &QTimer::timeout, [&] {
    longest = std::max(longest, clock.elapsed() - last_pass);
    last_pass = clock.elapsed();
  });
  pass.start(0);
  clock.start();
  user.click(control::BitBtn6);  // returns when the search has ended
  longest = std::max(longest, clock.elapsed() - last_pass);
  pass.stop();
  for (const QString& text : user.unexpected_boxes()) {
    std::cerr << "quarvel_window_gap: unexpected box: " << text.toStdString() << "\n";
    return 1;
  }
  std::printf("case window-mv20-gap longest %lld\n", static_cast<long long>(longest));
  return 0;
}
