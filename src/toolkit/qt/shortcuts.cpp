#include "toolkit/qt/shortcuts.hpp"

#include <QAbstractButton>
#include <QShortcut>

#include "toolkit/qt/text.hpp"
#include "toolkit/qt/window_layout.hpp"

namespace toolkit::qt {

namespace {

// As a mouse click does, the key gives the button the focus first: leaving a field runs its
// check, and a field that keeps the focus keeps the click from happening.
void click_by_key(QAbstractButton& button) {
  if (button.focusPolicy() != Qt::NoFocus) {
    button.setFocus(Qt::ShortcutFocusReason);
    if (button.window()->focusWidget() != &button) return;
  }
  button.click();
}

}  // namespace

void add_shortcuts(QWidget& window, const form_widgets& widgets) {
  for (const auto& s : layout::kShortcuts) {
    const QKeySequence keys(to_qstring(s.keys), QKeySequence::PortableText);
    if (QAction* action = widgets.action(s.id)) {
      action->setShortcut(keys);
      continue;
    }
    auto* button = widgets.as<QAbstractButton>(s.id);
    QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, button,
                     [button] { click_by_key(*button); });
  }
}

}  // namespace toolkit::qt
