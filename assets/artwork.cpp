// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/artwork.h"

#include <QString>

namespace dialnote {

QImage LoadArtwork(QStringView name, qreal device_pixel_ratio) {
  const bool doubled = device_pixel_ratio > 1.0;
  QImage image(
      QStringLiteral(":/dialnote/%1%2.png").arg(name, doubled ? QStringLiteral("@2x") : QString()));
  if (doubled && !image.isNull()) image.setDevicePixelRatio(2.0);
  return image;
}

}  // namespace dialnote
