// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_check.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace dialnote {
namespace {

QtMessageHandler g_previous_handler = nullptr;

// While the platform layer starts, its messages are held back, and a fatal
// one ends the program with one line.
void HandleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(DisplayUnavailableMessage()));
    std::fflush(stderr);
    std::_Exit(1);
  }
  // The platform layer's own account of the failure is several lines long
  // and about plugins, in categories of its own or none (Qt's Wayland plugin
  // reports a missing compositor as a plain critical message); the line
  // above says what the user can act on.
  Q_UNUSED(context);
  Q_UNUSED(message);
}

}  // namespace

std::optional<QString> MissingDisplay(const QString& platform, const QString& display,
                                      const QString& wayland_display) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
  const bool needs_x11 = name == QLatin1String("xcb");
  const bool needs_wayland = name.startsWith(QLatin1String("wayland"));
  const bool either = name.isEmpty();
  const bool missing = (needs_x11 && display.isEmpty()) ||
                       (needs_wayland && wayland_display.isEmpty()) ||
                       (either && display.isEmpty() && wayland_display.isEmpty());
  if (missing) {
    return QStringLiteral(
        "dialnote: cannot open a window: no display is set (DISPLAY/WAYLAND_DISPLAY)");
  }
#else
  Q_UNUSED(platform);
  Q_UNUSED(display);
  Q_UNUSED(wayland_display);
#endif
  return std::nullopt;
}

std::optional<QString> MissingDisplay() {
  return MissingDisplay(qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
                        qEnvironmentVariable("WAYLAND_DISPLAY"));
}

QString DisplayUnavailableMessage() {
  return QStringLiteral(
      "dialnote: cannot open a window: the display could not be opened "
      "(DISPLAY/WAYLAND_DISPLAY)");
}

DisplayFailureGuard::DisplayFailureGuard() {
  g_previous_handler = qInstallMessageHandler(HandleStartupMessage);
}

DisplayFailureGuard::~DisplayFailureGuard() { qInstallMessageHandler(g_previous_handler); }

}  // namespace dialnote
