// The toolkit's operations on the window's widgets.
#include "toolkit/qt/qt_toolkit.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>

#include "platform/error.hpp"
#include "toolkit/qt/dialogs.hpp"
#include "toolkit/qt/field_text.hpp"
#include "toolkit/qt/radio_group.hpp"
#include "toolkit/qt/shortcuts.hpp"
#include "toolkit/qt/text.hpp"
#include "toolkit/qt/window_builder.hpp"
#include "toolkit/qt/window_layout.hpp"

namespace toolkit::qt {
namespace {

void check_index(int index, int count) {
  if (index < 0 || index >= count) {
    throw platform::error("List index out of bounds (" + std::to_string(index) + ")");
  }
}

}  // namespace

qt_toolkit::qt_toolkit() : window_(std::make_unique<main_window>()) {
  widgets_ = build_window(*window_);
  const deliver_fn deliver = [this](control c, event e) { this->deliver(c, e); };
  focus_ = std::make_unique<field_focus>(deliver);
  wire_events(widgets_, *focus_, deliver);
  add_shortcuts(*window_, widgets_);
  activation_ = std::make_unique<activation_watch>(
      *window_, [this] { this->deliver(control::Form1, event::activate); });
  window_->on_close([this] {
    this->deliver(control::Form1, event::close);
    if (about_ != nullptr) about_->hide();
    // Ends the event loop once the running handler has returned; a search that is pumping
    // messages has been told to stop by the close event.
    QCoreApplication::quit();
  });
}

qt_toolkit::~qt_toolkit() {
  if (busy_cursor_) QApplication::restoreOverrideCursor();
}

void qt_toolkit::set_about_box(QWidget& box) {
  box.setObjectName(to_qstring(name_of(control::fapropos)));
  about_ = &box;
  activation_->watch(box);
}

QWidget* qt_toolkit::window_of(control c) const {
  if (c == control::Form1) return window_.get();
  if (c == control::fapropos && about_ != nullptr) return about_;
  return widgets_.widget(c);
}

QListWidget* qt_toolkit::list_of(control c) const {
  return qobject_cast<QListWidget*>(widgets_.widget(c));
}

radio_group* qt_toolkit::radio_of(control c) const {
  return widgets_.as<radio_group>(c);
}

void qt_toolkit::deliver(control c, event e) {
  if (sink_ == nullptr) return;
  guarded([&] { sink_->dispatch(c, e); });
}

void qt_toolkit::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& failure) {
    // The default error report: the handler has ended; its failure is shown and the program
    // goes on.
    error_box(failure.what());
  }
}

void qt_toolkit::after_modal() {
  // A desktop without a window manager gives the activation back to no window.
  if (window_->isVisible()) window_->activateWindow();
  deliver(control::Form1, event::activate);
}

void qt_toolkit::set_visible(control c, bool visible) {
  if (QAction* action = widgets_.action(c)) return action->setVisible(visible);
  window_of(c)->setVisible(visible);
}

bool qt_toolkit::visible(control c) const {
  if (const QAction* action = widgets_.action(c)) return action->isVisible();
  return !window_of(c)->isHidden();
}

void qt_toolkit::refresh(control c) {
  if (widgets_.action(c) == nullptr) window_of(c)->repaint();
}

std::string qt_toolkit::text(control c) const {
  if (const QAction* action = widgets_.action(c)) return to_std(action->text());
  const QWidget* w = window_of(c);
  if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return to_std(edit->text());
  if (const auto* label = qobject_cast<const QLabel*>(w)) return to_std(label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return to_std(button->text());
  if (const auto* status = qobject_cast<const QStatusBar*>(w)) {
    return to_std(status->currentMessage());
  }
  return to_std(w->windowTitle());
}

void qt_toolkit::set_text(control c, std::string_view text) {
  const QString value = to_qstring(text);
  if (QAction* action = widgets_.action(c)) return action->setText(value);
  QWidget* w = window_of(c);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    put_field_text(*edit, value);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(value);
    label->adjustSize();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(value);
  } else if (auto* status = qobject_cast<QStatusBar*>(w)) {
    status->showMessage(value);
  } else {
    w->setWindowTitle(value);
  }
}

void qt_toolkit::set_colour(control c, colour colour) {
  QWidget* w = widgets_.widget(c);
  QPalette palette = w->palette();
  palette.setColor(QPalette::Base,
                   QColor(colour == colour::silver ? layout::kSilver : layout::kWhite));
  w->setPalette(palette);
}

bool qt_toolkit::has_focus(control c) const {
  return widgets_.widget(c)->hasFocus();
}

void qt_toolkit::set_focus(control c) {
  widgets_.widget(c)->setFocus(Qt::OtherFocusReason);
}

void qt_toolkit::clear(control list) {
  if (QListWidget* l = list_of(list)) {
    const QSignalBlocker quiet(l);
    l->clear();
    l->scrollToTop();  // the lines added next show from the first
  } else {
    radio_of(list)->clear();
  }
}

void qt_toolkit::add_line(control list, std::string_view line) {
  if (QListWidget* l = list_of(list)) {
    const QSignalBlocker quiet(l);
    auto* item = new QListWidgetItem(to_qstring(line));
    if (layout::has_check_marks(list)) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(Qt::Unchecked);
    }
    l->addItem(item);
  } else {
    radio_of(list)->add_item(to_qstring(line));
  }
}

int qt_toolkit::line_count(control list) const {
  if (const QListWidget* l = list_of(list)) return l->count();
  return radio_of(list)->count();
}

std::string qt_toolkit::line(control list, int index) const {
  check_index(index, line_count(list));
  if (const QListWidget* l = list_of(list)) return to_std(l->item(index)->text());
  return to_std(radio_of(list)->item(index));
}

int qt_toolkit::selected_index(control list) const {
  // The current line: a click makes it current before it selects it.
  if (const QListWidget* l = list_of(list)) return l->currentRow();
  return radio_of(list)->selected();
}

void qt_toolkit::set_selected_index(control list, int index) {
  QListWidget* l = list_of(list);
  if (l == nullptr) return radio_of(list)->select(index);
  const QSignalBlocker quiet(l);
  if (index >= 0 && index < l->count()) {
    l->setCurrentRow(index);  // also scrolls the line into view
  } else {
    l->setCurrentRow(-1);
    l->clearSelection();
  }
}

bool qt_toolkit::checked(control list, int item) const {
  const QListWidget* l = widgets_.as<QListWidget>(list);
  check_index(item, l->count());
  return l->item(item)->checkState() == Qt::Checked;
}

void qt_toolkit::set_checked(control list, int item, bool checked) {
  QListWidget* l = widgets_.as<QListWidget>(list);
  check_index(item, l->count());
  const QSignalBlocker quiet(l);
  l->item(item)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool qt_toolkit::down(control button) const {
  return widgets_.as<QToolButton>(button)->isChecked();
}

void qt_toolkit::set_down(control button, bool down) {
  widgets_.as<QToolButton>(button)->setChecked(down);
}

void qt_toolkit::set_position(control bar, int position) {
  widgets_.as<QProgressBar>(bar)->setValue(position);
}

void qt_toolkit::show_window(control window) {
  QWidget* w = window_of(window);
  if (!w->isHidden()) return;
  if (window == control::Form1) {
    QRect frame(QPoint(), w->size());
    frame.moveCenter(w->screen()->availableGeometry().center());
    w->move(frame.topLeft());
  }
  w->show();
  w->raise();
  w->activateWindow();
  // The main window's first activation runs its handler before the user can act.
  if (window == control::Form1) deliver(control::Form1, event::activate);
}

void qt_toolkit::close_window(control window) {
  window_of(window)->close();
}

void qt_toolkit::set_cursor(cursor shape) {
  const bool busy = shape == cursor::hourglass;
  if (busy == busy_cursor_) return;
  busy_cursor_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void qt_toolkit::beep() {
  QApplication::beep();
}

void qt_toolkit::error_box(std::string_view message) {
  show_message(window_.get(), QMessageBox::Critical, QStringLiteral("Error"), message);
  after_modal();
}

answer qt_toolkit::confirmation_box(std::string_view message) {
  const answer a = ask(window_.get(), message);
  after_modal();
  return a;
}

void qt_toolkit::information_box(std::string_view message) {
  show_message(window_.get(), QMessageBox::Information, QStringLiteral("Information"), message);
  after_modal();
}

std::optional<std::string> qt_toolkit::open_dialog(control dialog, int filter_index) {
  auto path = choose_file(window_.get(), dialog, false, layout::filter_of(dialog), filter_index);
  after_modal();
  return path;
}

std::optional<std::string> qt_toolkit::save_dialog(control dialog) {
  auto path = choose_file(window_.get(), dialog, true, layout::filter_of(dialog), 1);
  after_modal();
  return path;
}

void qt_toolkit::launch(const std::string& program, const std::vector<std::string>& arguments,
                        std::function<void()> failed) {
  QStringList args;
  for (const auto& a : arguments) args << to_qstring(a);
  // The report comes between two events, as a handler does, with the same error report.
  launcher_.start(to_qstring(program), args,
                  [this, failed = std::move(failed)] { guarded(failed); });
}

}  // namespace toolkit::qt
