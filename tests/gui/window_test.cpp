// The real window driven as a user drives it, on Qt's offscreen platform: start, a keyboard
// search, condition and field errors, Abort, the About box, and the ways the program ends.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>

#include "main/form.hpp"
#include "mathhkl/crystal_systems.hpp"
#include "toolkit/headless_toolkit.hpp"
#include "window_driver.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

constexpr int kOrtho = mathhkl::keyboard_list_index(mathhkl::crystal_system::orthorhombic);
constexpr int kCubicTarget = mathhkl::check_list_item(mathhkl::crystal_system::cubic);

// A long search that finds few cells: the Abort and the close box must end it early.
constexpr auto kLongSearchMaxVector = "14";

void prepare_long_search(window_driver& user) {
  user.enter_ortho_cell();
  user.toggle_check(control::CheckListBox1, kCubicTarget);
  user.type(control::Edit9, QString::fromLatin1(kLongSearchMaxVector));
}

// The same entry and Run on the recording toolkit: the lists, and the progress bar's position.
struct headless_run {
  std::map<control, QStringList> lists;
  int progress = 0;
};

headless_run headless_results() {
  toolkit::headless_toolkit tk;
  TForm1 form(tk);
  tk.activate();
  tk.click(control::BitBtn2);
  tk.select(control::ListBox3, kOrtho);
  tk.type(control::Edit3, "5.0");
  tk.type(control::Edit4, "8.6603");
  tk.type(control::Edit5, "7.0");
  tk.click(control::BitBtn6);
  headless_run run;
  for (control list : {control::ListBox2, control::ListBox6, control::ListBox4}) {
    for (const auto& line : tk.lines(list)) run.lists[list] << QString::fromStdString(line);
  }
  run.progress = tk.position(control::ProgressBar1);
  return run;
}

bool checked(window_driver& user, int item) {
  return user.find<QListWidget>(control::CheckListBox1)->item(item)->checkState() == Qt::Checked;
}

}  // namespace

class window_test : public QObject {
  Q_OBJECT

 private slots:
  void start_shows_the_button_row_and_no_panel();
  void keyboard_search_lists_what_the_headless_form_lists();
  void condition_error_shows_its_box_and_moves_the_focus_data();
  void condition_error_shows_its_box_and_moves_the_focus();
  void bad_field_keeps_the_focus_and_the_click_is_lost_data();
  void bad_field_keeps_the_focus_and_the_click_is_lost();
  void abort_answered_yes_stops_the_search();
  void about_box_opens_beside_the_window_and_keeps_its_text();
  void quitting_ends_the_event_loop_data();
  void quitting_ends_the_event_loop();
  void closing_during_a_search_stops_it_before_the_loop_ends();
};

void window_test::start_shows_the_button_row_and_no_panel() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  for (control c : {control::Panel1, control::Panel2, control::Panel3, control::Panel4,
                    control::Panel5, control::Label10}) {
    QVERIFY2(user.find(c)->isHidden(), name_of(c).data());
  }
  QVERIFY(!user.find(control::Edit10)->isHidden());  // inside the hidden Crysfire panel
  QVERIFY(user.focused(control::BitBtn2));
  QVERIFY(checked(user, 0));  // the first activation ran: "All" is checked
  int hinted = 0;
  for (auto* button : p.window().findChildren<QAbstractButton*>()) {
    if (!button->toolTip().isEmpty()) ++hinted;
  }
  QCOMPARE(hinted, 4);
}

void window_test::keyboard_search_lists_what_the_headless_form_lists() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  QCOMPARE(user.find<QLineEdit>(control::Edit6)->text(), QStringLiteral("90"));
  user.click(control::BitBtn6);

  QVERIFY(user.unexpected_boxes().isEmpty());
  QVERIFY(!user.find(control::Panel2)->isHidden());
  const auto expected = headless_results();
  QVERIFY(expected.lists.at(control::ListBox4).size() > 10);
  for (control list : {control::ListBox2, control::ListBox6, control::ListBox4}) {
    QCOMPARE(user.lines(list), expected.lists.at(list));
  }
  QCOMPARE(user.find<QProgressBar>(control::ProgressBar1)->value(), expected.progress);
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

void window_test::condition_error_shows_its_box_and_moves_the_focus_data() {
  QTest::addColumn<control>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  QTest::newRow("decimal comma") << control::Edit1 << "0,005"
                                 << "Error on Parameter tolerance";
  QTest::newRow("letters") << control::Edit2 << "abc"
                           << "Error on angular tolerance";
  QTest::newRow("ratio") << control::Edit11 << "x10"
                         << "Error on V/Vo";
}

void window_test::condition_error_shows_its_box_and_moves_the_focus() {
  QFETCH(control, field);
  QFETCH(QString, text);
  QFETCH(QString, message);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  user.type(field, text);
  user.answer(QMessageBox::Ok);
  user.click(control::BitBtn6);

  QCOMPARE(user.boxes(), QStringList{message});
  QVERIFY(user.unexpected_boxes().isEmpty());
  QTRY_VERIFY(user.focused(control::Edit1));
  QVERIFY(user.lines(control::ListBox2).isEmpty());  // no search
}

void window_test::bad_field_keeps_the_focus_and_the_click_is_lost_data() {
  QTest::addColumn<control>("clicked");
  QTest::newRow("Run button") << control::BitBtn6;
  QTest::newRow("next field") << control::Edit4;
}

void window_test::bad_field_keeps_the_focus_and_the_click_is_lost() {
  QFETCH(control, clicked);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.click(control::BitBtn2);
  user.pick(control::ListBox3, kOrtho);
  user.type(control::Edit3, QStringLiteral("1,5"));
  user.answer(QMessageBox::Ok);
  if (clicked == control::Edit4) {
    user.type(clicked, QStringLiteral("6"));
  } else {
    user.click(clicked);
  }

  QCOMPARE(user.boxes(), QStringList{QStringLiteral("Type error!")});
  QVERIFY(user.unexpected_boxes().isEmpty());
  QTRY_VERIFY(user.focused(control::Edit3));
  QVERIFY(user.find(control::Panel2)->isHidden());  // Run never ran
  QVERIFY(user.find<QLineEdit>(control::Edit4)->text().isEmpty());
}

void window_test::abort_answered_yes_stops_the_search() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  prepare_long_search(user);
  user.answer(QMessageBox::Yes);
  // Pressed while the search pumps messages.
  QTimer::singleShot(0, [&user] { user.click(control::SpeedButton2); });
  QElapsedTimer clock;
  clock.start();
  user.click(control::BitBtn6);

  QVERIFY2(clock.elapsed() < 10000, "the search ran on");
  QCOMPARE(user.boxes().size(), 1);
  QVERIFY(user.boxes().front().contains(QStringLiteral("abort the search")));
  QCOMPARE(user.lines(control::ListBox4).last(), QStringLiteral("Stopped by the user"));
  QVERIFY(!user.find<QAbstractButton>(control::SpeedButton1)->isChecked());
  QVERIFY(!user.find<QAbstractButton>(control::SpeedButton2)->isChecked());
  QVERIFY(!p.form().searching());
}

void window_test::about_box_opens_beside_the_window_and_keeps_its_text() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.click(control::BitBtn2);
  user.toggle_check(control::CheckListBox1, kCubicTarget);
  QVERIFY(!checked(user, 0));

  user.click(control::About1);
  auto& about = p.about_box();
  QVERIFY(about.isVisible());
  QVERIFY(QApplication::activeModalWidget() == nullptr);  // the main window stays usable
  QCOMPARE(about.windowTitle(), QStringLiteral("About Quarvel"));
  auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), 12);
  QCOMPARE(lines[0], QString(54, QLatin1Char(' ')) + QStringLiteral("QUARVEL"));
  QCOMPARE(lines[2], QString(43, QLatin1Char(' ')));
  QVERIFY(QTest::qWaitForWindowActive(&about));
  QVERIFY(memo->hasFocus());
  QTest::keyClicks(memo, QStringLiteral("my notes"));

  QTest::mouseClick(about.findChild<QAbstractButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
  QVERIFY(about.isHidden());
  QTRY_VERIFY(checked(user, 0));  // back in the main window, its activation ran
  user.click(control::About1);
  QVERIFY(about.isVisible());
  QVERIFY(memo->toPlainText().contains(QStringLiteral("my notes")));
}

void window_test::quitting_ends_the_event_loop_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("about_open");
  QTest::newRow("Close button") << "BitBtn7" << false;
  QTest::newRow("File menu") << "Quit1" << false;
  QTest::newRow("menu bar") << "Quit2" << true;
  QTest::newRow("close box") << "" << true;
}

void window_test::quitting_ends_the_event_loop() {
  QFETCH(QString, how);
  QFETCH(bool, about_open);
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  if (about_open) user.click(control::About1);
  QTimer::singleShot(0, [&] {
    if (how.isEmpty()) {
      p.window().close();  // what the title bar's close box does
    } else if (QAction* item = p.window().findChild<QAction*>(how)) {
      item->trigger();
    } else {
      QTest::mouseClick(p.window().findChild<QAbstractButton*>(how), Qt::LeftButton);
    }
  });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });  // the loop went on
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(p.window().isHidden());
  QVERIFY(p.about_box().isHidden());
}

void window_test::closing_during_a_search_stops_it_before_the_loop_ends() {
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  prepare_long_search(user);
  bool run_returned = false;
  QElapsedTimer clock;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(100, [&p] { p.window().close(); });  // inside the search
    clock.start();
    user.click(control::BitBtn6);
    run_returned = true;
  });
  QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(run_returned);
  QVERIFY2(clock.elapsed() < 10000, "the search ran on");
  QVERIFY(!p.form().searching());
  QVERIFY(user.boxes().isEmpty() && user.unexpected_boxes().isEmpty());
  QVERIFY(!user.lines(control::ListBox4).contains(QStringLiteral("Stopped by the user")));
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::window_test)
#include "window_test.moc"
