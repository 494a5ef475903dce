// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <vector>
#endif

namespace dialnote {

DesktopRuntime& DesktopRuntime::Instance() {
  static DesktopRuntime instance;
  return instance;
}

ProgramStart SystemProgramStart(const QString& command_line, const QString& system_folder) {
  const qsizetype program_end = command_line.indexOf(QLatin1Char(' '));
  QString program = command_line.left(program_end);
  const QString arguments = program_end < 0 ? QString() : command_line.mid(program_end);
  const bool bare = !program.contains(QLatin1Char('\\')) && !program.contains(QLatin1Char('/')) &&
                    !program.contains(QLatin1Char(':'));
  if (!bare) return {program, command_line};
  if (!program.contains(QLatin1Char('.'))) program += QLatin1String(".exe");
  QString folder = system_folder;
  if (!folder.endsWith(QLatin1Char('\\'))) folder += QLatin1Char('\\');
  const QString application = folder + program;
  return {application, QLatin1Char('"') + application + QLatin1Char('"') + arguments};
}

void DesktopRuntime::Shell([[maybe_unused]] const QString& command_line) {
#ifdef Q_OS_WIN
  // The program carries its components inside. A registration is started
  // only where its component file lies beside the executable, as in a folder
  // kept from an older installation; a clean install starts nothing.
  const qsizetype quote = command_line.indexOf(QLatin1Char('"'));
  const qsizetype quote_end = command_line.indexOf(QLatin1Char('"'), quote + 1);
  if (quote >= 0 && quote_end > quote &&
      !QFileInfo::exists(command_line.mid(quote + 1, quote_end - quote - 1))) {
    return;
  }
  wchar_t system_folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system_folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const ProgramStart start =
      SystemProgramStart(command_line, QString::fromWCharArray(system_folder, length));
  const std::wstring application = start.application.toStdWString();
  // CreateProcessW may write into the command line.
  std::vector<wchar_t> line(start.command_line.size() + 1, L'\0');
  start.command_line.toWCharArray(line.data());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
#endif
}

void DesktopRuntime::End() { QCoreApplication::exit(0); }

}  // namespace dialnote
