// SPDX-License-Identifier: GPL-3.0-or-later
// How the registration tool is started on Windows: by its full path in the system folder.
// Given a bare name, CreateProcess searches the program's folder and the current one first, so a
// planted "regsvr32.exe" would run at every start; Wine is no proof of that, so it is pinned here.
#include <QtTest>

#include "platform/runtime.h"
#include "tests/window_testing.h"

namespace dialnote {

class SystemProgramTest : public QObject {
  Q_OBJECT

 private slots:
  // Rows of tests/data/system-programs.tsv: a command line, the system folder,
  // and how the program is started: its file, and the command line it reads.
  void theToolIsStartedByItsFullPath_data() {
    testing::AddRows("system-programs.tsv",
                     {"command_line", "system_folder", "application", "started_line"});
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
