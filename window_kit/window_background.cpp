// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/window_background.h"

#include <QPainter>
#include <QWidget>

#include "assets/artwork.h"

namespace dialnote {

namespace {

// `picture` with every pixel of the colour `key` fully transparent. The
// artwork draws the key colour in whole pixels, so no edge is blended with it.
QImage WithoutKeyColour(const QImage& picture, QRgb key) {
  QImage cut = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < cut.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(cut.scanLine(y));
    for (int x = 0; x < cut.width(); ++x) {
      if ((row[x] & RGB_MASK) == (key & RGB_MASK)) row[x] = 0;
    }
  }
  return cut;
}

}  // namespace

WindowBackground::WindowBackground(QStringView name)
    : name_(name.toString()), picture_(LoadArtwork(name, 1.0)), painted_(picture_) {}

QImage WindowBackground::Load(qreal scale) const {
  const QImage picture = LoadArtwork(name_, scale);
  return see_through_ ? WithoutKeyColour(picture, *see_through_) : picture;
}

void WindowBackground::MakeSeeThrough(QRgb key) {
  see_through_ = key;
  painted_ = WithoutKeyColour(picture_, key);
  doubled_ = QImage();
}

void WindowBackground::Paint(QWidget& window) {
  const bool doubled = window.devicePixelRatioF() > 1.0;
  if (doubled && doubled_.isNull()) {
    doubled_ = Load(2.0);
  }
  QPainter painter(&window);
  painter.drawImage(QPoint(0, 0), doubled ? doubled_ : painted_);
}

}  // namespace dialnote
