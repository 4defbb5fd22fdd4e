// The Qt toolkit under the logic's calls and the user's actions, with a form that records the
// events it receives.
#include "toolkit/qt/qt_toolkit.hpp"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <functional>
#include <stdexcept>

#include "box_answerer.hpp"
#include "platform/error.hpp"
#include "shown_toolkit.hpp"
#include "toolkit/qt/activation_watch.hpp"
#include "toolkit/qt/dialogs.hpp"
#include "toolkit/qt/message_pump.hpp"

namespace toolkit::qt {

class qt_toolkit_test : public QObject {
  Q_OBJECT

 private slots:
  void name_filters_data();
  void name_filters();
  void visible_is_the_controls_own_flag();
  void lists_count_from_zero_and_report_a_missing_line();
  void only_the_users_picks_are_clicks();
  void a_users_check_change_makes_its_item_current();
  void leaving_a_field_is_an_exit_and_switching_windows_is_not();
  void a_failure_escaping_a_handler_is_shown_and_the_program_goes_on();
  void file_dialogs_show_the_chosen_filter_and_return_the_path_data();
  void file_dialogs_show_the_chosen_filter_and_return_the_path();
  void activation_returns_only_from_the_about_box_data();
  void activation_returns_only_from_the_about_box();
  void pump_spaces_its_passes();
  void a_text_put_by_the_program_shows_its_start_data();
  void a_text_put_by_the_program_shows_its_start();
};

void qt_toolkit_test::name_filters_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("two pairs") << "Cysfire file|*.sum|Lanfit file|*.cry"
                             << QStringList{"Cysfire file (*.sum)", "Lanfit file (*.cry)"};
  QTest::newRow("pattern already shown")
      << "Lanfit file (*.cry)|*.cry" << QStringList{"Lanfit file (*.cry)"};
  QTest::newRow("several patterns") << "Cells|*.cry;*.sum" << QStringList{"Cells (*.cry *.sum)"};
  QTest::newRow("description without pattern") << "Cells|*.cry|All" << QStringList{"Cells (*.cry)"};
  QTest::newRow("empty") << "" << QStringList{};
}

void qt_toolkit_test::name_filters() {
  QFETCH(QString, filter);
  QFETCH(QStringList, expected);
  QCOMPARE(::toolkit::qt::name_filters(filter.toStdString()), expected);
}

void qt_toolkit_test::visible_is_the_controls_own_flag() {
  shown_toolkit s;
  QVERIFY(s.active);
  s.tk.set_visible(control::Panel4, false);
  s.tk.set_visible(control::Edit10, true);
  QVERIFY(s.tk.visible(control::Edit10));
  QVERIFY(!s.find(control::Edit10)->isVisible());  // its panel hides it
  s.tk.set_visible(control::Open1, false);
  QVERIFY(!s.tk.visible(control::Open1));
}

void qt_toolkit_test::lists_count_from_zero_and_report_a_missing_line() {
  shown_toolkit s;
  for (control list : {control::ListBox4, control::RadioGroup1}) {
    for (const char* line : {"first", "second", "third"}) s.tk.add_line(list, line);
    QCOMPARE(s.tk.line_count(list), 3);
    QCOMPARE(s.tk.line(list, 1), std::string("second"));
    s.tk.set_selected_index(list, 2);
    QCOMPARE(s.tk.selected_index(list), 2);
    s.tk.set_selected_index(list, 3);
    QCOMPARE(s.tk.selected_index(list), -1);
    try {
      s.tk.line(list, 3);
      QFAIL("a missing line was read");
    } catch (const platform::error& e) {
      QCOMPARE(std::string(e.what()), std::string("List index out of bounds (3)"));
    }
    s.tk.clear(list);
    QCOMPARE(s.tk.line_count(list), 0);
    QCOMPARE(s.tk.selected_index(list), -1);
  }
  QVERIFY(s.form.events.isEmpty());  // the program's own changes are no user actions
}

void qt_toolkit_test::only_the_users_picks_are_clicks() {
  shown_toolkit s;
  QVERIFY(s.active);
  for (const char* line : {"Cubic", "Tetra.", "Ortho."}) s.tk.add_line(control::ListBox3, line);
  s.tk.set_selected_index(control::ListBox3, 0);
  QVERIFY(s.form.events.isEmpty());

  s.click_line(control::ListBox3, 1);  // a new line
  s.click_line(control::ListBox3, 1);  // the same line again
  QTest::keyClick(s.find(control::ListBox3), Qt::Key_Down);
  QCOMPARE(s.form.events.filter(QStringLiteral("click")),
           QStringList({"ListBox3 click", "ListBox3 click", "ListBox3 click"}));
  QCOMPARE(s.tk.selected_index(control::ListBox3), 2);
}

void qt_toolkit_test::a_users_check_change_makes_its_item_current() {
  shown_toolkit s;
  QVERIFY(s.active);
  for (const char* line : {"All", "Cubic", "Tetragonal"}) {
    s.tk.add_line(control::CheckListBox1, line);
  }
  int current_at_event = -2;
  s.form.react = [&](control, ::toolkit::event kind) {
    if (kind == ::toolkit::event::click_check)
      current_at_event = s.tk.selected_index(control::CheckListBox1);
  };
  s.tk.set_checked(control::CheckListBox1, 0, true);
  QVERIFY(s.form.events.isEmpty());

  s.click_line(control::CheckListBox1, 2);
  s.tk.set_selected_index(control::CheckListBox1, 0);
  QTest::keyClick(s.find(control::CheckListBox1), Qt::Key_Space);  // checks item 0's mark off
  QCOMPARE(s.form.events.filter(QStringLiteral("click_check")).size(), 1);
  QCOMPARE(current_at_event, 0);
  QVERIFY(!s.tk.checked(control::CheckListBox1, 0));
}

void qt_toolkit_test::leaving_a_field_is_an_exit_and_switching_windows_is_not() {
  shown_toolkit s;
  QVERIFY(s.active);
  QTest::mouseClick(s.find(control::Edit3), Qt::LeftButton);
  QTest::mouseClick(s.find(control::Edit4), Qt::LeftButton);
  QCOMPARE(s.form.events, QStringList({"Edit3 enter", "Edit3 exit", "Edit4 enter"}));
  QVERIFY(s.tk.has_focus(control::Edit4));

  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  s.tk.window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&s.tk.window()));
  QCOMPARE(s.form.events.size(), 3);
  QVERIFY(s.tk.has_focus(control::Edit4));
}

void qt_toolkit_test::a_failure_escaping_a_handler_is_shown_and_the_program_goes_on() {
  shown_toolkit s;
  QVERIFY(s.active);
  quarvel::gui::box_answerer boxes;
  boxes.answer(QMessageBox::Ok);
  s.form.react = [](control source, ::toolkit::event kind) {
    if (source == control::BitBtn2 && kind == ::toolkit::event::click)
      throw std::runtime_error("broken");
  };
  QTest::mouseClick(s.find<QAbstractButton>(control::BitBtn2), Qt::LeftButton);
  QCOMPARE(boxes.boxes(), QStringList{"broken"});
  QVERIFY(s.form.events.contains(QStringLiteral("Form1 activate")));
  QTRY_VERIFY(s.tk.window().isActiveWindow());
  QTest::mouseClick(s.find<QAbstractButton>(control::BitBtn3), Qt::LeftButton);
  QCOMPARE(s.form.events.last(), QStringLiteral("BitBtn3 click"));
}

void qt_toolkit_test::file_dialogs_show_the_chosen_filter_and_return_the_path_data() {
  QTest::addColumn<control>("dialog");
  QTest::addColumn<int>("filter_index");
  QTest::addColumn<QString>("shown_filter");
  QTest::addColumn<bool>("confirmed");
  QTest::newRow("Crysfire summary") << control::OpenDialog1 << 1 << "Cysfire file (*.sum)" << true;
  QTest::newRow("Lanfit cell file") << control::OpenDialog1 << 2 << "Lanfit file (*.cry)" << true;
  QTest::newRow("cancelled") << control::OpenDialog1 << 1 << "Cysfire file (*.sum)" << false;
  QTest::newRow("saving") << control::SaveDialog1 << 1 << "Lanfit file (*.cry)" << true;
}

void qt_toolkit_test::file_dialogs_show_the_chosen_filter_and_return_the_path() {
  QFETCH(control, dialog);
  QFETCH(int, filter_index);
  QFETCH(QString, shown_filter);
  QFETCH(bool, confirmed);
  shown_toolkit s;
  QTemporaryDir folder;
  QFile existing(folder.filePath(QStringLiteral("cell.cry")));
  QVERIFY(existing.open(QIODevice::WriteOnly));
  existing.close();
  // Saving over a file would ask first; a new name does not.
  const QString path = dialog == control::SaveDialog1 ? folder.filePath(QStringLiteral("new.cry"))
                                                      : existing.fileName();

  QString seen_filter;
  QTimer user;
  connect(&user, &QTimer::timeout, [&] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (chooser == nullptr) return;
    seen_filter = chooser->selectedNameFilter();
    if (confirmed) {
      chooser->selectFile(path);
      static_cast<QDialog*>(chooser)->accept();  // its own accept() checks the file
    } else {
      chooser->reject();
    }
  });
  user.start(5);
  const auto chosen = dialog == control::SaveDialog1 ? s.tk.save_dialog(dialog)
                                                     : s.tk.open_dialog(dialog, filter_index);
  QCOMPARE(seen_filter, shown_filter);
  QCOMPARE(chosen, confirmed ? std::optional(path.toStdString()) : std::nullopt);
  QCOMPARE(s.form.events, QStringList{"Form1 activate"});
}

void qt_toolkit_test::a_text_put_by_the_program_shows_its_start_data() {
  QTest::addColumn<control>("field");
  QTest::addColumn<QString>("text");
  QTest::newRow("a, a long edge") << control::Edit3 << "12.0000";
  QTest::newRow("gamma, many digits") << control::Edit8 << "117.81025";
  QTest::newRow("a condition") << control::Edit1 << "0.000012345";
  QTest::newRow("the Crysfire hint") << control::Edit10 << "Select a line in the Crysfile list";
}

void qt_toolkit_test::a_text_put_by_the_program_shows_its_start() {
  QFETCH(control, field);
  QFETCH(QString, text);
  shown_toolkit s;
  QVERIFY(s.active);
  s.tk.set_visible(control::Panel4, true);  // the Crysfire hint's panel
  auto* edit = s.find<QLineEdit>(field);
  const QString shown = text + text;  // longer than any field
  QVERIFY(edit->fontMetrics().horizontalAdvance(shown) > edit->contentsRect().width());
  s.tk.set_text(field, shown.toStdString());
  QCOMPARE(edit->text(), shown);
  // The first character is where the field's text begins, not scrolled out on the left.
  QCOMPARE(edit->cursorPosition(), 0);
  const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  QVERIFY(edit->rect().contains(cursor.center()));
  QVERIFY2(cursor.left() < edit->fontMetrics().averageCharWidth() + 8,
           qPrintable(QString::number(cursor.left())));

  if (edit->isReadOnly()) return;
  // Typing goes on at the end, as it always did.
  QTest::mouseClick(edit, Qt::LeftButton);
  QVERIFY(edit->hasFocus());
  edit->selectAll();
  QTest::keyClicks(edit, shown);
  QCOMPARE(edit->cursorPosition(), shown.size());
}

void qt_toolkit_test::activation_returns_only_from_the_about_box_data() {
  QTest::addColumn<QString>("focus");  // m: main window, a: About box, b: a message box,
  QTest::addColumn<int>("returns");    // -: another program
  QTest::newRow("start") << "m" << 0;
  QTest::newRow("from the About box") << "mam" << 1;
  QTest::newRow("About box, another program, main window") << "ma-m" << 1;
  QTest::newRow("from another program") << "m-m" << 0;
  QTest::newRow("from a message box") << "mbm" << 0;
  QTest::newRow("About box, box, main window") << "mabm" << 0;
  QTest::newRow("twice") << "mamam" << 2;
}

void qt_toolkit_test::activation_returns_only_from_the_about_box() {
  QFETCH(QString, focus);
  QFETCH(int, returns);
  QWidget main;
  QWidget about;
  QWidget box;
  for (QWidget* w : {&main, &about, &box}) w->winId();  // their windows exist
  int returned = 0;
  activation_watch watch(main, [&] { ++returned; });
  watch.watch(about);
  for (QChar step : focus) {
    QWidget* to = step == 'm' ? &main : step == 'a' ? &about : step == 'b' ? &box : nullptr;
    watch.focus_moved(to == nullptr ? nullptr : to->windowHandle());
  }
  QCOMPARE(returned, returns);
}

void qt_toolkit_test::pump_spaces_its_passes() {
  int passes = 0;
  QTimer tick;
  connect(&tick, &QTimer::timeout, [&] { ++passes; });
  tick.start(0);
  message_pump pump;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 200) pump.pump();
  const qint64 elapsed = clock.elapsed();
  // The coarse clock may see the spacing one of its ticks (up to 4 ms) early.
  const qint64 closest_ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(message_pump::kSpacing).count() - 4;
  QVERIFY2(passes <= elapsed / closest_ms + 1, "passes closer than the spacing");
  QVERIFY2(passes >= elapsed / 50 - 1, "a gap longer than 50 ms");
}

}  // namespace toolkit::qt

QTEST_MAIN(toolkit::qt::qt_toolkit_test)
#include "qt_toolkit_test.moc"
