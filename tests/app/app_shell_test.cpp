// The program as a whole: the application object of the running program,
// which window comes first, the hand-over to the main window, and how the
// program ends.
#include <QDir>
#include <QtTest>

#include "app/application_shell.h"
#include "main_window/form1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

QStringList VisibleWindows() {
  QStringList names;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) names.append(window->objectName());
  }
  return names;
}

}  // namespace

class AppShellTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void applicationObjectOfTheRunningProgram();
  void theSplashComesFirstAndAlone();
  void theSplashIsLoadedOnce();
  void closingTheMainWindowEndsTheProgram();
  void endingDuringTheSplashLeavesNoWindow();

 private:
  testing::RecordingRuntime runtime_;
  App app_{QStringLiteral("/opt/dialnote/dialnote")};
  std::unique_ptr<ApplicationShell> shell_;
};

void AppShellTest::init() {
  runtime_ = {};
  shell_ = std::make_unique<ApplicationShell>(runtime_, app_);
}

void AppShellTest::cleanup() { shell_.reset(); }

void AppShellTest::applicationObjectOfTheRunningProgram() {
  const App& app = App::Current();
  QCOMPARE(app.Path(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
  QCOMPARE(app.EXEName(), QStringLiteral("app_shell_test"));
  QCOMPARE(app.Title(), QStringLiteral("دايالنوت"));
  QCOMPARE(app.Major(), qint16{2});
  QCOMPARE(app.Minor(), qint16{0});
  QCOMPARE(app.Revision(), qint16{0});
}

// The splash registers nothing: registration is the main window's start-up.
void AppShellTest::theSplashComesFirstAndAlone() {
  shell_->Start();
  QVERIFY(QTest::qWaitForWindowExposed(shell_->Splash()));
  QCOMPARE(VisibleWindows(), QStringList{"Form2"});
  QCOMPARE(shell_->MainForm(), nullptr);
  QVERIFY(runtime_.command_lines.isEmpty());
}

void AppShellTest::theSplashIsLoadedOnce() {
  shell_->Start();
  Form2* first = shell_->Splash();
  shell_->Start();
  QCOMPARE(shell_->Splash(), first);
  QCOMPARE(VisibleWindows(), QStringList{"Form2"});
}

// The splash, a tool window, never counts as the last window; the main window
// does. The closes run in the program's event loop, as they would for real.
void AppShellTest::closingTheMainWindowEndsTheProgram() {
  QSignalSpy last_closed(qApp, &QGuiApplication::lastWindowClosed);
  QList<int> last_closed_after;  // the count after each step
  shell_->Start();
  QObject context;  // cancels what has not run when the test ends
  QTimer::singleShot(0, &context, [&] {
    shell_->Splash()->close();
    last_closed_after << static_cast<int>(last_closed.count());
    QVERIFY(QMetaObject::invokeMethod(shell_->Splash()->Timer2, "timeout"));
    last_closed_after << static_cast<int>(last_closed.count());
    shell_->MainForm()->close();
    last_closed_after << static_cast<int>(last_closed.count());
  });
  QTimer::singleShot(10000, &context, [] { QCoreApplication::exit(1); });  // a loop left running
  QCOMPARE(QApplication::exec(), 0);
  QCOMPARE(last_closed_after, QList<int>({0, 0, 1}));
  QCOMPARE(VisibleWindows(), QStringList());
}

void AppShellTest::endingDuringTheSplashLeavesNoWindow() {
  shell_->Start();
  const QPointer<Form2> splash = shell_->Splash();
  shell_.reset();
  QVERIFY(splash.isNull());
  QCOMPARE(VisibleWindows(), QStringList());
}

}  // namespace dialnote

QTEST_MAIN(dialnote::AppShellTest)
#include "app_shell_test.moc"
