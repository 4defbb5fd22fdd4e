// The Qt toolkit with its window shown and active, and a form that records the events it
// receives.
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <functional>

#include "toolkit/qt/qt_toolkit.hpp"

namespace toolkit::qt {

struct recording_form : event_sink {
  void dispatch(control source, event kind) override {
    static const char* const kinds[] = {"click",       "enter",    "exit",
                                        "click_check", "activate", "close"};
    events << QStringLiteral("%1 %2").arg(QString::fromLatin1(name_of(source)),
                                          QString::fromLatin1(kinds[static_cast<int>(kind)]));
    if (react) react(source, kind);
  }
  QStringList events;
  std::function<void(control, event)> react;
};

// A toolkit whose window is shown and active, with the recording form attached.
struct shown_toolkit {
  shown_toolkit() {
    tk.set_event_sink(&form);
    tk.show_window(control::Form1);
    active = QTest::qWaitForWindowActive(&tk.window());
    form.events.clear();
  }
  template <typename Widget = QWidget>
  Widget* find(control c) {
    return tk.window().findChild<Widget*>(QString::fromLatin1(name_of(c)));
  }
  void click_line(control list, int row) {
    auto* l = find<QListWidget>(list);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
  }

  qt_toolkit tk;
  recording_form form;
  bool active = false;
};

}  // namespace toolkit::qt
