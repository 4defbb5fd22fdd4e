// How the window's widgets become the form's events.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <map>

#include "toolkit/qt/form_widgets.hpp"

namespace toolkit::qt {

using deliver_fn = std::function<void(control, event)>;

// Entering and leaving fields as the form sees them: moves of the focus inside the window.
// The window losing the focus to a box, a menu or another program, and getting it back, is
// no move. When a field's exit handler takes the focus back, the click that was leaving it
// is lost, as the user's mouse press has nothing left to act on.
class field_focus : public QObject {
 public:
  explicit field_focus(deliver_fn deliver) : deliver_(std::move(deliver)) {}

  void watch(QWidget* field, control id);
  // `receiver` gets the mouse presses of a click that gives the focus to `target`.
  void guard_clicks(QWidget* receiver, QWidget* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void focus_moved(QObject* watched, const QFocusEvent& event);
  void leave(QWidget* field);
  bool click_lost(QObject* receiver) const;

  deliver_fn deliver_;
  std::map<QObject*, control> fields_;
  std::map<QObject*, QWidget*> guarded_;
  QWidget* entered_ = nullptr;    // the field that received the last enter event
  QWidget* reclaimed_ = nullptr;  // the field whose exit handler took the focus back
};

// Buttons and menu items deliver clicks, list boxes a click when the user picks a line, the
// check list box its check changes; the fields' and the check list's focus goes to `focus`.
void wire_events(const form_widgets& widgets, field_focus& focus, const deliver_fn& deliver);

}  // namespace toolkit::qt
