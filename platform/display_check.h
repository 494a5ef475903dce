// SPDX-License-Identifier: GPL-3.0-or-later
// Starting without a screen: on Linux desktops the program needs an X11 or
// Wayland display. Without one it says so in one line and ends with status
// 1, instead of the platform layer's abort.
#pragma once

#include <QString>
#include <optional>

namespace dialnote {

// The one line to print when the environment names no display that the
// platform in use can open windows on; nothing when there is one, or when the
// platform needs none (offscreen, Windows, macOS).
std::optional<QString> MissingDisplay(const QString& platform, const QString& display,
                                      const QString& wayland_display);

// The same for this process's environment.
std::optional<QString> MissingDisplay();

// While it lives, a failure of the platform layer to open the display ends
// the program with one line and status 1, and the platform layer's own
// start-up warnings are held back.
class DisplayFailureGuard {
 public:
  DisplayFailureGuard();
  ~DisplayFailureGuard();
  DisplayFailureGuard(const DisplayFailureGuard&) = delete;
  DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

// The line printed when the display named cannot be opened.
QString DisplayUnavailableMessage();

}  // namespace dialnote
