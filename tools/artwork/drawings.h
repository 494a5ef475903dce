// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures in Dialnote's artwork, rendered from SVG drawings.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace dialnote::artwork {

// Renders the drawing in the SVG file `path` over `image`, stretched to fill
// `area` exactly and clipped to it. Any opaque pixel of the result in the
// transparent key colour is moved off it by one step of green, so that a
// picture never punches a hole in a window. False if the file is no drawing.
bool RenderDrawing(const QString& path, QImage& image, const QRect& area);

// The drawing in `path` alone on a transparent ground, `size` pixels;
// a null image if the file is no drawing.
QImage RenderDrawing(const QString& path, QSize size);

}  // namespace dialnote::artwork
