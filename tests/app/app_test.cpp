// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds itself, in Windows and Linux notation, and a missing display named.
#include <QtTest>

#include "platform/app_object.h"
#include "platform/display_check.h"
#include "tests/window_testing.h"

namespace dialnote {

using testing::AddRows;

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void theRunningProgram() {
    const App& app = App::Current();
    QCOMPARE(app.Path(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    QCOMPARE(app.EXEName(), QStringLiteral("app_test"));
  }

  // Rows of tests/data/executable-folders.tsv: the folder and name of an executable, and the
  // executable found again from its folder and name, as the about box looks for its icon.
  void foldersAndNames_data() {
    AddRows("executable-folders.tsv", {"executable", "folder", "name"});
  }

  void foldersAndNames() {
    QFETCH(QString, executable);
    const App app(executable);
    QTEST(app.Path(), "folder");
    QTEST(app.EXEName(), "name");
    const QString suffix = executable.endsWith(QLatin1String(".exe")) ? ".exe" : "";
    QCOMPARE(ExecutablePath(app.Path(), app.EXEName(), suffix), executable);
  }

  void aMissingDisplayIsNamed_data() {
    AddRows("missing-display.tsv", {"platform", "display", "wayland", "missing"});
  }

  void aMissingDisplayIsNamed() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("only X11 and Wayland need a display named");
#endif
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    const auto message = MissingDisplay(platform, display, wayland);
    QTEST(QString::number(message.has_value()), "missing");
    if (message) QVERIFY(message->contains(QLatin1String("DISPLAY/WAYLAND_DISPLAY")));
  }
};

}  // namespace dialnote

QTEST_MAIN(dialnote::AppTest)
#include "app_test.moc"
