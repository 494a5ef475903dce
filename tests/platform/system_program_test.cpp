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

namespace dialnote {

class SystemProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void theToolIsStartedByItsFullPath_data() {
    QTest::addColumn<QString>("command_line");
    QTest::addColumn<QString>("system_folder");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("started_line");
    const QString system = QStringLiteral("C:\\Windows\\system32");
    const QString tool = QStringLiteral("C:\\Windows\\system32\\RegSvr32.exe");
    QTest::newRow("the first registration, from D:\\Tools")
        << RegistrationCommandLine(QStringLiteral("D:\\Tools"), kComponentFiles[0]) << system
        << tool << QStringLiteral("\"%1\" /s \"D:\\Tools\\MSWINSCK.ocx\"").arg(tool);
    QTest::newRow("a folder with spaces stays one argument")
        << RegistrationCommandLine(QStringLiteral("C:\\Program Files\\Dialnote"),
                                   kComponentFiles[2])
        << system << tool
        << QStringLiteral("\"%1\" /s \"C:\\Program Files\\Dialnote\\SkinControl.ocx\"").arg(tool);
    QTest::newRow("a drive's root folder keeps its two backslashes")
        << RegistrationCommandLine(QStringLiteral("E:\\"), kComponentFiles[1]) << system << tool
        << QStringLiteral("\"%1\" /s \"E:\\\\MS_XTools.ocx\"").arg(tool);
    QTest::newRow("Windows in a folder with spaces, named in capitals")
        << QStringLiteral("RegSvr32 /s \"D:\\Tools\\MSWINSCK.ocx\"")
        << QStringLiteral("D:\\Win 11\\SYSTEM32")
        << QStringLiteral("D:\\Win 11\\SYSTEM32\\RegSvr32.exe")
        << QStringLiteral("\"D:\\Win 11\\SYSTEM32\\RegSvr32.exe\" /s \"D:\\Tools\\MSWINSCK.ocx\"");
    QTest::newRow("a system folder given with its backslash")
        << QStringLiteral("RegSvr32 /s \"D:\\Tools\\MSWINSCK.ocx\"")
        << QStringLiteral("C:\\Windows\\system32\\") << tool
        << QStringLiteral("\"%1\" /s \"D:\\Tools\\MSWINSCK.ocx\"").arg(tool);
    QTest::newRow("a bare name with its extension gets no second one")
        << QStringLiteral("regsvr32.exe /s \"D:\\x.ocx\"") << system
        << QStringLiteral("C:\\Windows\\system32\\regsvr32.exe")
        << QStringLiteral("\"C:\\Windows\\system32\\regsvr32.exe\" /s \"D:\\x.ocx\"");
    QTest::newRow("a bare name alone")
        << QStringLiteral("RegSvr32") << system << tool << QStringLiteral("\"%1\"").arg(tool);
    QTest::newRow("a program given with its path is started as given")
        << QStringLiteral("C:\\Tools\\register.exe /s \"D:\\x.ocx\"") << system
        << QStringLiteral("C:\\Tools\\register.exe")
        << QStringLiteral("C:\\Tools\\register.exe /s \"D:\\x.ocx\"");
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
