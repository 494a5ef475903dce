// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's stand-ins through their own surfaces: where the program
// finds itself, in Windows and Linux notation, and the one line it prints
// where no display can be opened.
#include <QtTest>

#include "platform/app_object.h"
#include "platform/display_check.h"
#include "tests/window_testing.h"

namespace dialnote {

using testing::AddRow;

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void theRunningProgram() {
    const App& app = App::Current();
    QCOMPARE(app.Path(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    QCOMPARE(app.EXEName(), QStringLiteral("app_test"));
  }

  // The folder and name of an executable, and the executable found again
  // from its folder and name, as the about box looks for its icon.
  void foldersAndNames_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    AddRow("a Windows folder", R"(D:\Tools\x.exe)", R"(D:\Tools)", "x");
    AddRow("a drive's root keeps its backslash", R"(E:\x.exe)", R"(E:\)", "x");
    AddRow("a folder with spaces", R"(C:\Program Files\Dial note\Dialnote.exe)",
           R"(C:\Program Files\Dial note)", "Dialnote");
    AddRow("a Linux folder", "/usr/bin/dialnote", "/usr/bin", "dialnote");
    AddRow("the Linux root keeps its slash", "/dialnote", "/", "dialnote");
    AddRow("only the last extension goes", "/opt/dial.note/dialnote.bin.exe", "/opt/dial.note",
           "dialnote.bin");
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
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("missing");
    AddRow("the default platform with neither display", "", "", "", true);
    AddRow("the default platform with X11", "", ":0", "", false);
    AddRow("the default platform with Wayland", "", "", "wayland-0", false);
    AddRow("X11 with plugin options, without DISPLAY", "xcb:nomitshm", "", "w-0", true);
    AddRow("a Wayland variant without its display", "wayland-egl", ":0", "", true);
    AddRow("offscreen needs no display", "offscreen", "", "", false);
  }

  void aMissingDisplayIsNamed() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("only X11 and Wayland need a display named");
#endif
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    const auto message = MissingDisplay(platform, display, wayland);
    QTEST(message.has_value(), "missing");
    if (message) QVERIFY(message->contains(QLatin1String("DISPLAY/WAYLAND_DISPLAY")));
  }
};

}  // namespace dialnote

QTEST_MAIN(dialnote::AppTest)
#include "app_test.moc"
