// Edit/Print on the real window when the desktop's opener is missing, fails or succeeds: the
// user hears of a failure, with the place of the report, and the report stays written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "window_driver.hpp"

namespace quarvel::gui {

using toolkit::control;

namespace {

// PATH holds only a folder with the opener that a test wrote, for as long as it lives.
class opener_on_path {
 public:
  // An empty script: no opener at all.
  explicit opener_on_path(const QByteArray& script) : saved_path_(qgetenv("PATH")) {
    if (!script.isEmpty()) {
      QFile opener(bin_.filePath(QStringLiteral("xdg-open")));
      (void)opener.open(QIODevice::WriteOnly);
      opener.write(script);
      opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(bin_.path()));
  }
  ~opener_on_path() { qputenv("PATH", saved_path_); }
  opener_on_path(const opener_on_path&) = delete;
  opener_on_path& operator=(const opener_on_path&) = delete;

 private:
  QTemporaryDir bin_;
  QByteArray saved_path_;
};

// The working folder of the test, where the report lands.
class working_folder {
 public:
  working_folder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
  ~working_folder() { QDir::setCurrent(previous_); }
  working_folder(const working_folder&) = delete;
  working_folder& operator=(const working_folder&) = delete;
  QString report() const { return QDir::current().absoluteFilePath(QStringLiteral("quarvel.tmp")); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

}  // namespace

class report_opener_test : public QObject {
  Q_OBJECT

 private slots:
  void opener_outcome_data();
  void opener_outcome();
};

void report_opener_test::opener_outcome_data() {
  QTest::addColumn<QByteArray>("script");
  QTest::addColumn<bool>("reported");
  QTest::newRow("no editor configured")
      << QByteArray("#!/bin/sh\necho 'x-terminal-emulator: not found' >&2\nexit 3\n") << true;
  QTest::newRow("opener missing") << QByteArray() << true;
  QTest::newRow("killed") << QByteArray("#!/bin/sh\nkill -9 $$\n") << true;
  QTest::newRow("editor opened") << QByteArray("#!/bin/sh\nexit 0\n") << false;
}

void report_opener_test::opener_outcome() {
  QFETCH(QByteArray, script);
  QFETCH(bool, reported);
  working_folder folder;
  program p;
  window_driver user(p);
  QVERIFY(user.start());
  user.enter_ortho_cell();
  user.click(control::BitBtn6);
  QVERIFY(user.unexpected_boxes().isEmpty());

  const opener_on_path opener(script);
  if (reported) user.answer(QMessageBox::Ok);
  user.click(control::BitBtn5);
  QVERIFY(QFile::exists(folder.report()));
  if (reported) {
    QTRY_COMPARE(user.boxes().size(), 1);
    QCOMPARE(user.boxes().front(),
             QStringLiteral("The report could not be opened in a text editor. It is written in ") +
                 folder.report());
  } else {
    QTest::qWait(500);  // time for the opener to end and for a wrong report to show
    QVERIFY(user.boxes().isEmpty());
  }
  QVERIFY(user.unexpected_boxes().isEmpty());
  QVERIFY(QFile::exists(folder.report()));
}

}  // namespace quarvel::gui

QTEST_MAIN(quarvel::gui::report_opener_test)
#include "report_opener_test.moc"
