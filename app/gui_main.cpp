// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote's windows: the application object, the start-up window, the
// event loop. The splash window comes first and hands over to the main window. The
// program ends when an exit control of the main window ends it, or when the
// main window, the last window left, is closed.
#include "app/gui_main.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <memory>

#include "app/application_shell.h"
#include "platform/display_check.h"
#include "platform/identity.h"
#include "platform/qt_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int dialnote::RunGui(int argc, char* argv[]) {
  using namespace dialnote::identity;
#ifdef Q_OS_WIN
  // For the installer: the windows keep Dialnote.exe in use.
  CreateMutexW(nullptr, FALSE, kRunningMutexName);
#endif
  if (const auto missing = dialnote::MissingDisplay()) {
    std::fprintf(stderr, "%s\n", qPrintable(*missing));
    return 1;
  }
  auto guard = std::make_unique<dialnote::DisplayFailureGuard>();
  // The windows read no command line: whatever the arguments, they open, and
  // none reaches Qt's own options (-platform, -reverse, -style...). Qt sees
  // the program's name alone.
  int qt_argc = argc > 0 ? 1 : 0;
  QApplication application(qt_argc, argv);
  guard.reset();
  QApplication::setApplicationName(dialnote::ToQString(kProjectName));
  QApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
  // The title names the program in the platform's own messages and lists.
  QApplication::setApplicationDisplayName(dialnote::ToQString(kTitle));
  // Ties the windows to the installed desktop entry and its icon.
  QApplication::setDesktopFileName(dialnote::ToQString(kDesktopId));

  dialnote::ApplicationShell shell;
  shell.Start();
  return QApplication::exec();
}
