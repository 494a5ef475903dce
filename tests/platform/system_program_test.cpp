// SPDX-License-Identifier: GPL-3.0-or-later
// How the registration tool is started on Windows: by its full path in the
// system folder, never by its bare name. Given a bare name, CreateProcess
// searches the program's own folder first, then the current folder, and
// only then the system folders and PATH; so a "regsvr32.exe" planted beside
// Dialnote.exe or in the folder it was started from would run at every
// start. Wine searches much the same way but is no proof for Windows, so the
// decision itself is pinned here, on every system.
#include <QtTest>

#include "platform/component_registration.h"
#include "platform/runtime.h"
#include "tests/window_testing.h"

namespace dialnote {

using testing::AddRow;

class SystemProgramTest : public QObject {
  Q_OBJECT

 private slots:
  // A command line, the system folder, and how the program is started: its
  // file, and the command line it reads.
  void theToolIsStartedByItsFullPath_data() {
    QTest::addColumn<QString>("command_line");
    QTest::addColumn<QString>("system_folder");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("started_line");
    AddRow("a registration, from the system folder by its full path",
           RegistrationCommandLine(R"(C:\Program Files\Dialnote)", kComponentFiles[2]),
           R"(C:\Windows\system32)", R"(C:\Windows\system32\RegSvr32.exe)",
           R"("C:\Windows\system32\RegSvr32.exe" /s "C:\Program Files\Dialnote\SkinControl.ocx")");
    AddRow("a system folder given with its backslash", R"(RegSvr32 /s "D:\x.ocx")", R"(C:\W\)",
           R"(C:\W\RegSvr32.exe)", R"("C:\W\RegSvr32.exe" /s "D:\x.ocx")");
    AddRow("a bare name with its extension gets no second one", R"(regsvr32.exe /s "D:\x.ocx")",
           R"(C:\W)", R"(C:\W\regsvr32.exe)", R"("C:\W\regsvr32.exe" /s "D:\x.ocx")");
    AddRow("a bare name alone", "RegSvr32", R"(C:\W)", R"(C:\W\RegSvr32.exe)",
           R"("C:\W\RegSvr32.exe")");
    AddRow("a program given with its path is started as given",
           R"(C:\Tools\register.exe /s "D:\x.ocx")", R"(C:\W)", R"(C:\Tools\register.exe)",
           R"(C:\Tools\register.exe /s "D:\x.ocx")");
  }
  void theToolIsStartedByItsFullPath() {
    QFETCH(QString, command_line);
    QFETCH(QString, system_folder);
    const ProgramStart start = SystemProgramStart(command_line, system_folder);
    QTEST(start.application, "application");
    QTEST(start.command_line, "started_line");
  }
};

}  // namespace dialnote

QTEST_APPLESS_MAIN(dialnote::SystemProgramTest)
#include "system_program_test.moc"
