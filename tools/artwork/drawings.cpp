// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/drawings.h"

#include <QPainter>
#include <QSvgRenderer>

#include "assets/artwork.h"

namespace dialnote::artwork {

bool RenderDrawing(const QString& path, QImage& image, const QRect& area) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return false;
  {
    QPainter painter(&image);
    painter.setClipRect(area);
    renderer.render(&painter, QRectF(area));
  }
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      constexpr QRgb kKey = 0xFF000000u | kTransparentKey;
      if (image.pixel(x, y) == kKey) image.setPixel(x, y, kKey - 0x100u);
    }
  }
  return true;
}

QImage RenderDrawing(const QString& path, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (!RenderDrawing(path, image, QRect(QPoint(0, 0), size))) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace dialnote::artwork
