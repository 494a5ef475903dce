// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Dialnote's Windows icon file.
#pragma once

#include <QByteArray>
#include <QImage>

namespace dialnote::artwork {

// A .ico file holding `image` (at most 256 x 256) as one BITMAPINFOHEADER
// image of 8 bits per pixel with a 256-entry palette and a 1-bit AND mask.
// Pixels at least half opaque keep the nearest palette colour; the others
// are masked out. The palette holds black, then the image's colours from the
// most used down; images with more than 255 other colours lose the rarest.
QByteArray IcoFile(const QImage& image);

}  // namespace dialnote::artwork
