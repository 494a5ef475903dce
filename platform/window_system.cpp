// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_system.h"

#include <QGuiApplication>

namespace dialnote {

WindowSystem WindowSystemOf(QStringView platform_name) {
  // "wayland", "wayland-egl", "wayland-brcm" and the like.
  const bool wayland = platform_name.startsWith(QLatin1String("wayland"));
  return {.places_windows = !wayland, .cuts_shapes = !wayland};
}

WindowSystem CurrentWindowSystem() { return WindowSystemOf(QGuiApplication::platformName()); }

}  // namespace dialnote
