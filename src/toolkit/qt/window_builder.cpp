// The main window from its layout tables. Widgets start in the state the layout gives them;
// the form puts in their texts, items and visibility afterwards.
#include "toolkit/qt/window_builder.hpp"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>

#include "toolkit/qt/radio_group.hpp"
#include "toolkit/qt/text.hpp"
#include "toolkit/qt/window_layout.hpp"
#include "toolkit/qt/window_stretch.hpp"

namespace toolkit::qt {
namespace {

namespace lay = layout;

QString object_name(control c) {
  return to_qstring(name_of(c));
}

QFont font_of(lay::style look, QFont font) {
  switch (look) {
    case lay::style::plain:
      break;
    case lay::style::title:
      font.setBold(true);
      font.setUnderline(true);
      break;
    case lay::style::underlined:
      font.setUnderline(true);
      break;
    case lay::style::bold:
      font.setBold(true);
      break;
    case lay::style::axis:
      font.setFamily(QStringLiteral("Serif"));
      font.setStyleHint(QFont::Serif);
      font.setPixelSize(16);
      break;
  }
  return font;
}

// The desktop's icon when its theme has one, else the style's own.
QIcon icon_of(lay::glyph glyph, const QStyle& style) {
  auto themed = [&](const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), style.standardIcon(fallback));
  };
  switch (glyph) {
    case lay::glyph::none:
      return {};
    case lay::glyph::keyboard:
      return themed("input-keyboard", QStyle::SP_FileDialogDetailedView);
    case lay::glyph::run:
      return themed("media-playback-start", QStyle::SP_MediaPlay);
    case lay::glyph::abort:
      return themed("process-stop", QStyle::SP_BrowserStop);
    case lay::glyph::print:
      return themed("document-print", QStyle::SP_FileIcon);
    case lay::glyph::close:
      return themed("window-close", QStyle::SP_DialogCloseButton);
  }
  return {};
}

void paint(QWidget& widget, QPalette::ColorRole role, QRgb colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, QColor(colour));
  widget.setPalette(palette);
}

// List rows of the layout's height, or of the font's when that is taller.
class row_height_delegate : public QStyledItemDelegate {
 public:
  row_height_delegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    return size;
  }

 private:
  int height_;
};

class builder {
 public:
  explicit builder(main_window& window) : window_(window), client_(new QWidget(&window)) {}

  form_widgets build() {
    window_.setObjectName(object_name(control::Form1));
    window_.setWindowTitle(to_qstring(lay::kWindowCaption));
    set_palette();
    window_.setCentralWidget(client_);
    add_panels();
    add_buttons();
    add_lists();
    add_fields();
    add_captions();
    add_field_captions();
    add_radio_group();
    add_progress_bar();
    add_file_name_label();
    add_menu();
    add_status_line();
    set_tab_order();
    size_window();
    // With every panel hidden, the first control that can take the focus is "Keyboard".
    widgets_.widget(control::BitBtn2)->setFocus();
    return std::move(widgets_);
  }

 private:
  QWidget* parent_of(control c) { return c == control::Form1 ? client_ : widgets_.widget(c); }

  template <typename Widget, typename... Args>
  Widget* make(control id, control parent, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent_of(parent));
    widget->setObjectName(object_name(id));
    widgets_.add(id, widget);
    return widget;
  }

  // A classic silver window whatever the desktop's colour scheme: the layout fixes its colours.
  void set_palette() {
    QPalette palette(QColor(lay::kSilver), QColor(lay::kSilver));
    palette.setColor(QPalette::Base, QColor(lay::kWhite));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    window_.setPalette(palette);
  }

  void add_panels() {
    for (const auto& p : lay::kPanels) {
      auto* frame = make<QFrame>(p.id, control::Form1);
      frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      frame->setGeometry(p.place.left, p.place.top, p.place.width, p.place.height);
      frame->setAutoFillBackground(true);
      paint(*frame, QPalette::Window, p.colour);
    }
  }

  void add_buttons() {
    int row_end = 0;
    for (const auto& b : lay::kButtons) {
      QAbstractButton* button = nullptr;
      if (b.toggle) {
        auto* tool = make<QToolButton>(b.id, b.parent);
        tool->setCheckable(true);
        tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        tool->setFocusPolicy(Qt::NoFocus);
        button = tool;
      } else {
        button = make<QPushButton>(b.id, b.parent);
      }
      button->setText(to_qstring(b.caption));
      button->setIcon(icon_of(b.icon, *window_.style()));
      if (!b.hint.empty()) button->setToolTip(to_qstring(b.hint));
      int left = b.place.left;
      int width = b.place.width;
      if (b.parent == control::Form1) {  // the row widens where a caption needs more room
        left = std::max(left, row_end);
        width = std::max(width, button->sizeHint().width());
        row_end = left + width;
      }
      button->setGeometry(left, b.place.top, width, b.place.height);
    }
    row_end_ = row_end;
  }

  void add_lists() {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The found-cell line's 123 characters fill the list's width at this size.
    fixed.setPixelSize(11);
    for (const auto& l : lay::kLists) {
      auto* list = make<QListWidget>(l.id, l.parent);
      // Two pixels of edge: at fractional scaling the viewport covers a one-pixel frame.
      list->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      list->setGeometry(l.place.left, l.place.top, l.place.width, l.place.height);
      if (l.fixed_pitch) list->setFont(fixed);
      paint(*list, QPalette::Base, l.colour);
      int height = std::max(l.row_height, list->fontMetrics().height());
      if (l.check_marks) {
        height = std::max(height, list->style()->pixelMetric(QStyle::PM_IndicatorHeight) + 2);
      }
      list->setItemDelegate(new row_height_delegate(height, list));
      list->setUniformItemSizes(true);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
  }

  void add_fields() {
    for (const auto& f : lay::kFields) {
      auto* edit = make<QLineEdit>(f.id, f.parent);
      edit->setReadOnly(f.read_only);
      paint(*edit, QPalette::Base, f.colour);
      const int height = f.place.height > 0 ? f.place.height : edit->sizeHint().height();
      edit->setGeometry(f.place.left, f.place.top, f.place.width, height);
    }
  }

  QLabel* label(QWidget* parent, std::string_view text, lay::style look) {
    auto* caption = new QLabel(to_qstring(text), parent);
    caption->setFont(font_of(look, caption->font()));
    caption->adjustSize();
    return caption;
  }

  void add_captions() {
    for (const auto& c : lay::kCaptions)
      label(parent_of(c.parent), c.text, c.look)->move(c.left, c.top);
  }

  void add_field_captions() {
    for (const auto& c : lay::kFieldCaptions) {
      const QWidget* field = widgets_.widget(c.field);
      QLabel* caption = label(field->parentWidget(), c.text, c.look);
      const int left = c.where == lay::side::before ? field->x() - 4 - caption->width()
                                                    : field->geometry().right() + 6;
      caption->move(left, field->y() + (field->height() - caption->height()) / 2);
    }
  }

  void add_radio_group() {
    const auto& r = lay::kRadioGroup;
    auto* group = make<radio_group>(r.id, r.parent, to_qstring(r.title), r.columns);
    group->setGeometry(r.place.left, r.place.top, r.place.width, r.place.height);
  }

  void add_progress_bar() {
    auto* bar = make<QProgressBar>(lay::kProgressBar, lay::kProgressParent);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    const auto& p = lay::kProgressPlace;
    bar->setGeometry(p.left, p.top, p.width, p.height);
  }

  void add_file_name_label() {
    auto* name = make<QLabel>(lay::kFileNameLabel, control::Form1);
    name->setFont(font_of(lay::style::bold, name->font()));
    name->move(std::max(lay::kFileNamePlace.left, row_end_ + 12), lay::kFileNamePlace.top);
  }

  void add_menu() {
    QMenuBar* bar = window_.menuBar();
    QMenu* file = bar->addMenu(to_qstring(lay::kFileMenuCaption));
    for (const auto& item : lay::kFileMenu) {
      if (!item.id) {
        file->addSeparator();
        continue;
      }
      add_action(*item.id, file->addAction(to_qstring(item.caption)));
    }
    for (const auto& item : lay::kMenuBarCommands) {
      add_action(*item.id, bar->addAction(to_qstring(item.caption)));
    }
  }

  // Below the panels, shown only when it has something to say, so that the window keeps its
  // written size.
  void add_status_line() {
    QStatusBar* line = window_.statusBar();
    line->setObjectName(object_name(control::StatusBar1));
    line->setSizeGripEnabled(false);
    line->hide();
    widgets_.add(control::StatusBar1, line);
  }

  void add_action(control id, QAction* action) {
    action->setObjectName(object_name(id));
    widgets_.add(id, action);
  }

  void set_tab_order() {
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* next) {
      if (previous != nullptr) QWidget::setTabOrder(previous, next);
      previous = next;
    };
    // The radio group holds the place of the buttons that it gets later.
    for (control c : lay::kTabOrder) chain(widgets_.widget(c));
  }

  // The client area holds every panel with a two-pixel margin; the window opens at that size
  // and follows a resize from there.
  void size_window() {
    int width = row_end_;
    int height = 0;
    for (const auto& p : lay::kPanels) {
      width = std::max(width, p.place.left + p.place.width + 2);
      height = std::max(height, p.place.top + p.place.height + 2);
    }
    client_->resize(width, height);
    new window_stretch(*client_, widgets_);
    window_.resize(width, height + window_.menuBar()->sizeHint().height());
  }

  main_window& window_;
  QWidget* client_;
  form_widgets widgets_;
  int row_end_ = 0;
};

}  // namespace

form_widgets build_window(main_window& window) {
  return builder(window).build();
}

}  // namespace toolkit::qt
