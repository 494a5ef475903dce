#include "platform/runtime.h"

#include <QCoreApplication>
#include <QProcess>

namespace dialnote {

DesktopRuntime& DesktopRuntime::Instance() {
  static DesktopRuntime instance;
  return instance;
}

void DesktopRuntime::Shell([[maybe_unused]] const QString& command_line) {
#ifdef Q_OS_WIN
  const qsizetype program_end = command_line.indexOf(QLatin1Char(' '));
  QProcess process;
  process.setProgram(command_line.left(program_end));
  process.setNativeArguments(program_end < 0 ? QString() : command_line.mid(program_end + 1));
  process.startDetached();
#endif
}

void DesktopRuntime::End() { QCoreApplication::exit(0); }

}  // namespace dialnote
