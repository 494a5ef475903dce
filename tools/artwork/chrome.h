// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel-exact pieces of Dialnote's artwork: the title strip, the frame,
// separators, corner cut-outs, the close box and the list arrows. They are
// drawn pixel by pixel at scale 1; Doubled() makes the scale 2 companion.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <span>

namespace dialnote::artwork {

inline constexpr int kTitleStripRows = 29;

// The colour of title strip row `row`, 0 to kTitleStripRows - 1; every
// pixel of the row has it.
QRgb TitleStripColour(int row);

// A 2-pixel engraved line: a shadow row with a highlight row below it.
struct Separator {
  int row;
  int first_x;
  int last_x;
};

struct WindowChrome {
  QSize size;
  bool close_box;
  std::span<const Separator> separators;
};

// A borderless window's background at scale 1 without its pictures: title
// strip, frame, client colour, separators, close box and the cut-outs.
QImage DrawWindowChrome(const WindowChrome& chrome);

// The 21 x 21 piece of title strip under the close image, at `scale`.
QImage DrawCloseImageBackdrop(int scale);

enum class Arrow { kUp, kDown };

// A 9 x 6 black triangle on a transparent ground, at scale 1.
QImage DrawArrow(Arrow arrow);

// `image` with each pixel turned into a 2 x 2 block of the same colour.
QImage Doubled(const QImage& image);

}  // namespace dialnote::artwork
