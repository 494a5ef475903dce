// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote's artwork: the two window backgrounds, the icon, the close button,
// the list arrows and the hand cursor. tools/artwork draws them at build time
// from the SVG drawings beside this header and the pixel tables in its own
// sources; the static library dialnote_assets embeds them under :/dialnote.
//
// Embedded files (each PNG has a companion with "@2x" before ".png", twice the
// pixel size, for screens with a device pixel ratio of 2):
//   :/dialnote/form1_background.png  348 x 429, opaque
//   :/dialnote/form2_background.png  332 x 130, opaque
//   :/dialnote/icon.png              48 x 48, transparent outside the disc
//   :/dialnote/close.png             21 x 21, opaque
//   :/dialnote/arrow_up.png          9 x 6, transparent with a black triangle
//   :/dialnote/arrow_down.png        9 x 6, transparent with a black triangle
//   :/dialnote/hand.png              32 x 32, transparent outside the hand
//   :/dialnote/icon.svg              the icon's drawing
//
// Initialisation: none is needed. Qt compiles the embedded files into an
// object library whose objects are linked straight into every executable
// that links dialnote_assets, so their static registration always runs (a
// plain static library would let the linker drop it). No Q_INIT_RESOURCE.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QStringView>

namespace dialnote {

// Window backgrounds paint this colour (#00FFFF, given here without alpha)
// where the window must be see-through: the rounded top corners.
inline constexpr QRgb kTransparentKey = 0x00FFFF;

// The pixel of the 32 x 32 hand cursor that points, for QCursor's hot spot.
inline constexpr QPoint kHandHotSpot{11, 1};

// Where a window shows close.png over the close box of form1_background.
inline constexpr QPoint kCloseImagePosition{7, 5};

// The embedded picture `name` (such as u"close", without ".png") drawn for
// `device_pixel_ratio`: the "@2x" image, marked with ratio 2, for any ratio
// above 1, the plain one otherwise. A null image if there is no such name.
QImage LoadArtwork(QStringView name, qreal device_pixel_ratio);

}  // namespace dialnote
