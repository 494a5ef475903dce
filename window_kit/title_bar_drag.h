// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a borderless window by dragging its title strip (`lbTitleBar`).
// Positions are in twips; each window keeps its own drag origin.
#pragma once

#include <QtGlobal>
#include <optional>

class QWidget;

namespace dialnote {

struct WindowPosition {
  float left;  // twips
  float top;
};

// lbTitleBar_MouseDown: a press of the left button alone (button exactly 1)
// remembers where in the title strip it happened, rounded half to even.
void TitleBarMouseDown(qint16& dragX, qint16& dragY, int button, float x, float y);

// lbTitleBar_MouseMove: with the left button alone held, where the window
// goes so that the mouse stays over the pressed point; otherwise nowhere.
std::optional<WindowPosition> TitleBarMouseMove(qint16 dragX, qint16 dragY, int button, float x,
                                                float y, WindowPosition window);

// The same pair acting on a real window. Where the platform does not let a
// window place itself (Wayland), the press hands the drag to the compositor.
void DragWindowMouseDown(QWidget& window, qint16& dragX, qint16& dragY, int button, float x,
                         float y);
void DragWindowMouseMove(QWidget& window, qint16 dragX, qint16 dragY, int button, float x, float y);

}  // namespace dialnote
