// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Dialnote's Windows icon files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <span>

namespace dialnote::artwork {

// A .ico file holding `image` (at most 256 x 256) as one BITMAPINFOHEADER
// image of 8 bits per pixel with a 256-entry palette and a 1-bit AND mask.
// Pixels at least half opaque keep the nearest palette colour; the others
// are masked out. The palette holds black, then the image's colours from the
// most used down; images with more than 255 other colours lose the rarest.
QByteArray IcoFile(const QImage& image);

// The image of IcoFile(image) alone, as a resource script embeds it (an
// RT_ICON entry): the .ico file without its directory.
QByteArray IcoImage(const QImage& image);

// A .ico file holding each of `images` (square, at most 256 pixels) in
// 32 bits with alpha, in the given order: as a BITMAPINFOHEADER image with
// an AND mask of its fully transparent pixels, or, for 256 x 256, as a PNG,
// which is how Windows keeps the large size small. Empty if an image cannot
// be encoded.
QByteArray AlphaIcoFile(std::span<const QImage> images);

}  // namespace dialnote::artwork
