// Signals and events of the widgets, turned into the form's events.
#include "toolkit/qt/event_wiring.hpp"

#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "toolkit/qt/window_layout.hpp"

namespace toolkit::qt {

void field_focus::watch(QWidget* field, control id) {
  fields_[field] = id;
  field->installEventFilter(this);
}

void field_focus::guard_clicks(QWidget* receiver, QWidget* target) {
  guarded_[receiver] = target;
  receiver->installEventFilter(this);
}

bool field_focus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      focus_moved(watched, static_cast<const QFocusEvent&>(*event));
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return click_lost(watched);
    default:
      return false;
  }
}

void field_focus::focus_moved(QObject* watched, const QFocusEvent& event) {
  auto it = fields_.find(watched);
  if (it == fields_.end() || event.reason() == Qt::PopupFocusReason) return;
  auto* field = static_cast<QWidget*>(watched);
  const bool window_switch = event.reason() == Qt::ActiveWindowFocusReason;
  if (event.type() == QEvent::FocusOut) {
    // A field that the focus only passed through while an exit handler took it back was
    // never entered, so it is not left either.
    if (!window_switch && entered_ == field) leave(field);
    return;
  }
  if (window_switch) {
    if (entered_ == field) return;  // the window comes back as it was left
    // The program moved the focus while a box held the activation: that move happens now.
    if (entered_ != nullptr) leave(entered_);
    if (field->window()->focusWidget() != field) return;
  }
  entered_ = field;
  deliver_(it->second, event::enter);
}

void field_focus::leave(QWidget* field) {
  entered_ = nullptr;
  reclaimed_ = nullptr;
  deliver_(fields_.at(field), event::exit);
  // The window's focus child, not the application's focus: a box shown by the handler may
  // still hold the activation.
  if (field->window()->focusWidget() == field) reclaimed_ = field;
}

bool field_focus::click_lost(QObject* receiver) const {
  auto it = guarded_.find(receiver);
  if (it == guarded_.end() || reclaimed_ == nullptr) return false;
  return it->second->window()->focusWidget() == reclaimed_;
}

namespace {

// A list box's click: the user picked a line with the mouse or the arrow keys, or clicked
// the line already picked. Lines the program selects are not clicks.
class list_clicks : public QObject {
 public:
  list_clicks(QListWidget* list, control id, deliver_fn deliver) : QObject(list), list_(list) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this, [id, deliver](int row) {
      if (row >= 0) deliver(id, event::click);
    });
    connect(list, &QListWidget::itemClicked, this, [this, id, deliver](QListWidgetItem* item) {
      if (list_->row(item) == row_at_press_) deliver(id, event::click);
    });
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) row_at_press_ = list_->currentRow();
    return false;
  }

 private:
  QListWidget* list_;
  int row_at_press_ = -1;
};

// A check mark changed by the user; the clicked item becomes the current one first.
void wire_check_list(QListWidget* list, control id, const deliver_fn& deliver) {
  QObject::connect(list, &QListWidget::itemChanged, list,
                   [list, id, deliver](QListWidgetItem* item) {
                     {
                       const QSignalBlocker quiet(list);
                       list->setCurrentRow(list->row(item));
                     }
                     deliver(id, event::click_check);
                   });
}

}  // namespace

void wire_events(const form_widgets& widgets, field_focus& focus, const deliver_fn& deliver) {
  for (const auto& [id, widget] : widgets.widgets()) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QObject::connect(button, &QPushButton::clicked, button,
                       [id, deliver] { deliver(id, event::click); });
      focus.guard_clicks(button, button);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      if (layout::has_check_marks(id)) {
        wire_check_list(list, id, deliver);
        focus.watch(list, id);
      } else {
        new list_clicks(list, id, deliver);
      }
      focus.guard_clicks(list->viewport(), list);
    } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
      focus.watch(widget, id);
    }
  }
  for (const auto& [id, action] : widgets.actions()) {
    QObject::connect(action, &QAction::triggered, action,
                     [id, deliver] { deliver(id, event::click); });
  }
}

}  // namespace toolkit::qt
