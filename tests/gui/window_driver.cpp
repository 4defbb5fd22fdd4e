// The user's actions go through the window system's event path, as real input does: a click
// gives the focus before it acts, and leaving a field runs its check.
#include "window_driver.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "mathhkl/crystal_systems.hpp"

namespace quarvel::gui {

window_driver::window_driver(program& p) : program_(p) {}

bool window_driver::start() {
  program_.show();
  return QTest::qWaitForWindowActive(&program_.window());
}

QAction* window_driver::menu_item(control c) const {
  return program_.window().findChild<QAction*>(QString::fromLatin1(name_of(c)));
}

QStringList window_driver::lines(control list) const {
  QStringList out;
  const auto* l = find<QListWidget>(list);
  for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
  return out;
}

void window_driver::wait_until_active() const {
  // A box that has just closed hands the activation back through the event queue.
  if (!program_.window().isActiveWindow()) {
    (void)QTest::qWaitForWindowActive(&program_.window());  // the action that follows tells
  }
}

void window_driver::click(control c) {
  if (QAction* item = menu_item(c)) return item->trigger();
  wait_until_active();
  QTest::mouseClick(find<QAbstractButton>(c), Qt::LeftButton);
}

void window_driver::type(control field, const QString& text) {
  wait_until_active();
  auto* edit = find<QLineEdit>(field);
  QTest::mouseClick(edit, Qt::LeftButton);
  if (!edit->hasFocus()) return;  // the field left took the focus back
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void window_driver::pick(control list, int row) {
  wait_until_active();
  auto* l = find<QListWidget>(list);
  l->scrollToItem(l->item(row));
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
}

void window_driver::toggle_check(control list, int row) {
  pick(list, row);
  QTest::keyClick(find<QListWidget>(list), Qt::Key_Space);
}

void window_driver::enter_ortho_cell() {
  enter_ortho_cell(QStringLiteral("5.0"), QStringLiteral("8.6603"), QStringLiteral("7.0"));
}

void window_driver::enter_ortho_cell(const QString& a, const QString& b, const QString& c) {
  click(control::BitBtn2);
  pick(control::ListBox3, mathhkl::keyboard_list_index(mathhkl::crystal_system::orthorhombic));
  type(control::Edit3, a);
  type(control::Edit4, b);
  type(control::Edit5, c);
}

}  // namespace quarvel::gui
