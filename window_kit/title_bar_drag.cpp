// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/title_bar_drag.h"

#include <QWidget>
#include <QWindow>
#include <cmath>
#include <limits>

#include "platform/window_system.h"
#include "window_kit/design_controls.h"
#include "window_kit/form_design.h"

namespace dialnote {
namespace {

// The nearest whole number, a tie going to the even one, held in 16 bits.
qint16 RoundToInt16(float value) {
  constexpr float kLow = std::numeric_limits<qint16>::min();
  constexpr float kHigh = std::numeric_limits<qint16>::max();
  const float rounded = std::nearbyint(value);  // the default rounding: half to even
  if (!(rounded >= kLow)) return std::numeric_limits<qint16>::min();  // also NaN
  if (rounded > kHigh) return std::numeric_limits<qint16>::max();
  return static_cast<qint16>(rounded);
}

}  // namespace

void TitleBarMouseDown(qint16& dragX, qint16& dragY, int button, float x, float y) {
  if (button == kLeftButton) {
    dragX = RoundToInt16(x);
    dragY = RoundToInt16(y);
  }
}

std::optional<WindowPosition> TitleBarMouseMove(qint16 dragX, qint16 dragY, int button, float x,
                                                float y, WindowPosition window) {
  if (button != kLeftButton) {
    return std::nullopt;
  }
  return WindowPosition{(x - static_cast<float>(dragX)) + window.left,
                        (y - static_cast<float>(dragY)) + window.top};
}

void DragWindowMouseDown(QWidget& window, qint16& dragX, qint16& dragY, int button, float x,
                         float y) {
  TitleBarMouseDown(dragX, dragY, button, x, y);
  if (button == kLeftButton && !CurrentWindowSystem().places_windows &&
      window.windowHandle() != nullptr) {
    window.windowHandle()->startSystemMove();
  }
}

void DragWindowMouseMove(QWidget& window, qint16 dragX, qint16 dragY, int button, float x,
                         float y) {
  const WindowPosition current{static_cast<float>(window.x() * kTwipsPerPixel),
                               static_cast<float>(window.y() * kTwipsPerPixel)};
  if (const auto moved = TitleBarMouseMove(dragX, dragY, button, x, y, current)) {
    window.move(static_cast<int>(std::lround(moved->left / kTwipsPerPixel)),
                static_cast<int>(std::lround(moved->top / kTwipsPerPixel)));
  }
}

}  // namespace dialnote
