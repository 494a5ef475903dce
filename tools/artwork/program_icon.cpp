// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/program_icon.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace dialnote::artwork {
namespace {

// icon.svg's colours: disc, its rim, the mark and the mark's outline.
constexpr QRgb kDisc = 0xFFD8261C;
constexpr QRgb kRim = 0xFF7C0F0A;
constexpr QRgb kMark = 0xFFFFD400;
constexpr QRgb kMarkOutline = 0xFF5C1A00;

// icon.svg is drawn on a 48-unit square; lengths below are in its units.
constexpr double kDesignSide = 48;

// A design length at `scale`, in whole pixels, at least `least`.
int Pixels(double length, double scale, int least = 0) {
  return std::max(least, static_cast<int>(std::lround(length * scale)));
}

// The same, rounded to an even number of pixels (at least 2): centred on an
// even-sized square, an even width puts both edges on pixel boundaries.
int EvenPixels(double length, double scale) {
  return std::max(2, 2 * static_cast<int>(std::lround(length * scale / 2)));
}

}  // namespace

QImage DrawProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const double scale = size / kDesignSide;
  const double centre = size / 2.0;

  // The disc fills the square; only the largest size keeps icon.svg's margin,
  // since at the others it would be a blurred fraction of a pixel.
  const int margin = size >= 2 * kDesignSide ? Pixels(0.75, scale) : 0;
  const int rim = Pixels(1.5, scale, 1);
  // Below 32 pixels the mark's outline would eat the mark; yellow on red
  // stands out on its own there.
  const int outline = size >= 32 ? Pixels(1.2, scale, 1) : 0;

  // The bar tapers from 9 to 5 units. Below 48 pixels a taper is a single
  // step or lost altogether, so the bar is straight and as wide as the dot.
  const bool tapered = size >= 48;
  const int top_width = tapered ? EvenPixels(9, scale) : EvenPixels(7.6, scale);
  const int bottom_width = tapered ? EvenPixels(5, scale) : top_width;
  const int bar_top = Pixels(8.5, scale);
  const int bar_bottom = Pixels(29.5, scale);
  // A slanted side a pixel or two wide is a smeared column at small sizes:
  // there the taper is drawn as steps of whole pixels instead.
  const bool stepped = size < 2 * kDesignSide;

  // The dot keeps at least a pixel of red between it and the bar, outlines
  // included.
  const int dot = EvenPixels(7.6, scale);
  const int dot_top = std::max(Pixels(36.5, scale) - dot / 2, bar_bottom + 2 * outline + 1);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);

  const QRectF disc(margin, margin, size - 2 * margin, size - 2 * margin);
  painter.setBrush(QColor::fromRgba(kRim));
  painter.drawEllipse(disc);
  painter.setBrush(QColor::fromRgba(kDisc));
  painter.drawEllipse(disc.adjusted(rim, rim, -rim, -rim));

  const auto draw_bar = [&](int grow) {
    if (!stepped) {
      const double top = bar_top - grow;
      const double bottom = bar_bottom + grow;
      const double top_half = top_width / 2.0 + grow;
      const double bottom_half = bottom_width / 2.0 + grow;
      painter.drawPolygon(QPolygonF(
          {QPointF(centre - top_half, top), QPointF(centre + top_half, top),
           QPointF(centre + bottom_half, bottom), QPointF(centre - bottom_half, bottom)}));
      return;
    }
    // Each row as wide as the taper at the row's middle, to an even width.
    const double rows = bar_bottom - bar_top;
    for (int y = bar_top - grow; y < bar_bottom + grow; ++y) {
      const double along = std::clamp((y + 0.5 - bar_top) / rows, 0.0, 1.0);
      const int width = EvenPixels(top_width + (bottom_width - top_width) * along, 1) + 2 * grow;
      painter.drawRect(QRectF(centre - width / 2.0, y, width, 1));
    }
  };
  const QRectF dot_square(centre - dot / 2.0, dot_top, dot, dot);
  // A dot of four pixels or less is drawn square: a circle that small is a
  // grey smudge.
  const auto draw_dot = [&](int grow) {
    const QRectF square = dot_square.adjusted(-grow, -grow, grow, grow);
    if (dot <= 4) {
      painter.drawRect(square);
    } else {
      painter.drawEllipse(square);
    }
  };
  if (outline > 0) {
    painter.setBrush(QColor::fromRgba(kMarkOutline));
    draw_bar(outline);
    draw_dot(outline);
  }
  painter.setBrush(QColor::fromRgba(kMark));
  draw_bar(0);
  draw_dot(0);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace dialnote::artwork
