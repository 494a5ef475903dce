// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon as Windows shows it in the Start menu, the taskbar, the
// installer and the list of installed programs: the red disc with the yellow
// exclamation mark of icon.svg, drawn anew for each size, so that its edges
// fall on that size's pixels instead of being smeared by a downscale.
#pragma once

#include <QImage>
#include <array>

namespace dialnote::artwork {

// The sizes, in pixels, that Windows asks an icon for at 100 % to 200 %
// scaling and in Explorer's views, smallest first.
inline constexpr std::array<int, 8> kProgramIconSizes = {16, 20, 24, 32, 40, 48, 64, 256};

// The icon drawn for a `size` x `size` pixel square, in ARGB32 with a
// transparent ground. `size` is even and at least 16.
QImage DrawProgramIcon(int size);

}  // namespace dialnote::artwork
