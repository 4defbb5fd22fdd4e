// What a desktop program is expected to do: grow with its window, answer the usual keys and
// show its icon.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "screen_room.hpp"
#include "shown_toolkit.hpp"
#include "window_driver.hpp"

namespace toolkit::qt {

namespace {

QRect place(shown_toolkit& s, control c) {
  return s.find(c)->geometry();
}

}  // namespace

class desktop_test : public QObject {
  Q_OBJECT

 private slots:
  void resizing_grows_the_two_lists_only_data();
  void resizing_grows_the_two_lists_only();
  void the_least_window_fits_a_small_screen();
  void menu_shortcuts_run_their_items_data();
  void menu_shortcuts_run_their_items();
  void run_key_leaves_the_field_before_it_clicks();
  void escape_presses_abort_and_releases_it();
  void full_list_shows_the_status_line_under_it();
  void window_shows_the_icon_without_an_image_plugin();
};

void desktop_test::resizing_grows_the_two_lists_only_data() {
  QTest::addColumn<QSize>("change");
  QTest::newRow("wider and taller") << QSize(300, 200);
  QTest::newRow("taller by an odd number") << QSize(0, 51);
  QTest::newRow("lower") << QSize(0, -100);
}

void desktop_test::resizing_grows_the_two_lists_only() {
  QFETCH(QSize, change);
  shown_toolkit s;
  QVERIFY(s.active);
  std::map<control, QRect> written;
  for (control c : {control::Panel1, control::Panel2, control::Panel3, control::Panel4,
                    control::Panel5, control::ListBox1, control::ListBox2, control::ListBox4,
                    control::ListBox6, control::BitBtn7, control::Edit10}) {
    written[c] = place(s, c);
  }
  s.tk.window().resize(s.tk.window().size() + change);
  QTRY_COMPARE(place(s, control::ListBox4).width(),
               written[control::ListBox4].width() + std::max(0, change.width()));

  const int crysfire_growth = std::max(0, change.height()) / 2;
  const int found_growth = change.height() - crysfire_growth;
  const int wider = change.width();
  QCOMPARE(place(s, control::ListBox4),
           written[control::ListBox4].adjusted(0, 0, wider, found_growth));
  QCOMPARE(place(s, control::ListBox6), written[control::ListBox6].adjusted(0, 0, wider, 0));
  QCOMPARE(place(s, control::Panel2),
           written[control::Panel2].adjusted(0, crysfire_growth, wider, change.height()));
  QCOMPARE(place(s, control::ListBox1),
           written[control::ListBox1].adjusted(0, 0, wider, crysfire_growth));
  QCOMPARE(place(s, control::Panel4),
           written[control::Panel4].adjusted(0, 0, wider, crysfire_growth));
  for (control c : {control::Panel1, control::Panel3, control::Panel5, control::ListBox2,
                    control::BitBtn7, control::Edit10}) {
    QVERIFY2(place(s, c) == written[c], name_of(c).data());
  }
}

void desktop_test::the_least_window_fits_a_small_screen() {
  shown_toolkit s;
  QMainWindow& window = s.tk.window();
  const QSize written = window.size();
  window.resize(1, 1);
  QTRY_VERIFY(window.size() != written);
  QVERIFY(window.width() <= kSmallScreenRoom.width());
  QVERIFY(window.height() <= kSmallScreenRoom.height());
  // The found-cell list still shows a few lines.
  QVERIFY(s.find<QListWidget>(control::ListBox4)->viewport()->height() >= 5 * 14);
  window.resize(written);
  QTRY_COMPARE(place(s, control::Panel2), QRect(2, 373, 935, 335));
}

void desktop_test::menu_shortcuts_run_their_items_data() {
  QTest::addColumn<control>("item");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QKeySequence>("keys");
  QTest::newRow("open summary") << control::Open1 << "Open Cr&ysfire file"
                                << QKeySequence(Qt::CTRL | Qt::Key_O);
  QTest::newRow("open cell file") << control::OpenLanfitfile1 << "Open &Lanfit file"
                                  << QKeySequence(Qt::CTRL | Qt::Key_L);
  QTest::newRow("save cell") << control::Savecellprameters1 << "&Save cell parameters"
                             << QKeySequence(Qt::CTRL | Qt::Key_S);
  QTest::newRow("quit") << control::Quit1 << "&Quit" << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void desktop_test::menu_shortcuts_run_their_items() {
  QFETCH(control, item);
  QFETCH(QString, caption);
  QFETCH(QKeySequence, keys);
  shown_toolkit s;
  QVERIFY(s.active);
  QAction* action = s.tk.window().findChild<QAction*>(QString::fromLatin1(name_of(item)));
  QCOMPARE(action->text(), caption);
  QCOMPARE(action->shortcut(), keys);  // what the menu shows in its shortcut column
  QTest::keySequence(&s.tk.window(), keys);
  QCOMPARE(s.form.events, QStringList{QString::fromLatin1(name_of(item)) + " click"});
}

void desktop_test::run_key_leaves_the_field_before_it_clicks() {
  shown_toolkit s;
  QVERIFY(s.active);
  auto* field = s.find<QLineEdit>(control::Edit1);
  field->setFocus();
  QTRY_VERIFY(field->hasFocus());
  s.form.events.clear();
  QTest::keySequence(&s.tk.window(), QKeySequence(Qt::CTRL | Qt::Key_R));
  QCOMPARE(s.form.events, (QStringList{"Edit1 exit", "BitBtn6 click"}));

  // A field whose check takes the focus back keeps the Run from happening.
  s.form.react = [field](control, ::toolkit::event e) {
    if (e == ::toolkit::event::exit) field->setFocus();
  };
  field->setFocus();
  QTRY_VERIFY(field->hasFocus());
  s.form.events.clear();
  QTest::keySequence(&s.tk.window(), QKeySequence(Qt::CTRL | Qt::Key_R));
  QVERIFY(!s.form.events.contains(QStringLiteral("BitBtn6 click")));
}

void desktop_test::escape_presses_abort_and_releases_it() {
  shown_toolkit s;
  QVERIFY(s.active);
  auto* abort = s.find<QAbstractButton>(control::SpeedButton1);
  QTest::keyClick(&s.tk.window(), Qt::Key_Escape);
  QVERIFY(abort->isChecked());
  QVERIFY(s.tk.down(control::SpeedButton1));
  QTest::keyClick(&s.tk.window(), Qt::Key_Escape);
  QVERIFY(!abort->isChecked());
}

void desktop_test::full_list_shows_the_status_line_under_it() {
  quarvel::program p;
  quarvel::gui::window_driver user(p);
  QVERIFY(user.start());
  const QSize written = p.window().size();
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, 0);  // "Cubic"
  for (control edge : {control::Edit3, control::Edit4, control::Edit5}) {
    user.type(edge, QStringLiteral("4"));
  }
  user.answer(QMessageBox::Ok);
  user.click(control::BitBtn6);

  QCOMPARE(user.boxes(), QStringList{QStringLiteral("Too many found cells!!")});
  auto* status = p.window().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
  QVERIFY(status->isVisible());
  QVERIFY(status->currentMessage().startsWith(QStringLiteral("The list is full: 500 found cells")));
  QCOMPARE(p.window().size(), written);
  auto* list = user.find<QListWidget>(control::ListBox4);
  QCOMPARE(list->count(), 500);
  QTRY_VERIFY(list->mapTo(&p.window(), QPoint(0, list->height())).y() <= status->y());
}

void desktop_test::window_shows_the_icon_without_an_image_plugin() {
  quarvel::program p;
  const QIcon icon = p.window().windowIcon();
  QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
  QVERIFY(!icon.pixmap(QSize(48, 48)).isNull());
}

}  // namespace toolkit::qt

QTEST_MAIN(toolkit::qt::desktop_test)
#include "desktop_test.moc"
