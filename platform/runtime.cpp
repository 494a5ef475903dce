// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace dialnote {

DesktopRuntime& DesktopRuntime::Instance() {
  static DesktopRuntime instance;
  return instance;
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
  const qsizetype program_end = command_line.indexOf(QLatin1Char(' '));
  QProcess process;
  process.setProgram(command_line.left(program_end));
  process.setNativeArguments(program_end < 0 ? QString() : command_line.mid(program_end + 1));
  process.startDetached();
#endif
}

void DesktopRuntime::End() { QCoreApplication::exit(0); }

}  // namespace dialnote
