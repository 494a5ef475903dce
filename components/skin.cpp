// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/skin.h"

#include <QPalette>
#include <QWidget>

#include "platform/window_system.h"

namespace dialnote {

QRegion Skin::OpaqueRegion(const QImage& picture) const {
  const QRgb key = ToQColor(trancolor_, QPalette()).rgb() & RGB_MASK;
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  // Runs of opaque pixels, row by row; rows are few and the runs per row at
  // most three, so the region is built once at little cost.
  QRegion region;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    int x = 0;
    while (x < pixels.width()) {
      while (x < pixels.width() && (row[x] & RGB_MASK) == key) ++x;
      const int start = x;
      while (x < pixels.width() && (row[x] & RGB_MASK) != key) ++x;
      if (x > start) region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

void Skin::Apply(QWidget& host, WindowBackground& background) const {
  host.setMask(OpaqueRegion(background.Picture()));
  if (!CurrentWindowSystem().cuts_shapes) {
    host.setAttribute(Qt::WA_TranslucentBackground);
    background.MakeSeeThrough(ToQColor(trancolor_, QPalette()).rgb());
  }
}

}  // namespace dialnote
