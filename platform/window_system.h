// SPDX-License-Identifier: GPL-3.0-or-later
// What the window system lets a window do for itself. X11 and Windows let a
// borderless window place itself and cut its own shape. Wayland does
// neither: the compositor places every window, and a window mask only limits
// where input goes while every painted pixel is still shown.
#pragma once

#include <QStringView>

namespace dialnote {

struct WindowSystem {
  bool places_windows;  // a window may move itself
  bool cuts_shapes;     // a window mask hides what lies outside it
};

// The window system of the Qt platform plugin named `platform_name`.
WindowSystem WindowSystemOf(QStringView platform_name);

// The window system this program runs on.
WindowSystem CurrentWindowSystem();

}  // namespace dialnote
