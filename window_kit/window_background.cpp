#include "window_kit/window_background.h"

#include <QPainter>
#include <QWidget>

#include "assets/artwork.h"

namespace dialnote {

WindowBackground::WindowBackground(QStringView name)
    : name_(name.toString()), picture_(LoadArtwork(name, 1.0)) {}

void WindowBackground::Paint(QWidget& window) {
  const bool doubled = window.devicePixelRatioF() > 1.0;
  if (doubled && doubled_.isNull()) {
    doubled_ = LoadArtwork(name_, 2.0);
  }
  QPainter painter(&window);
  painter.drawImage(QPoint(0, 0), doubled ? doubled_ : picture_);
}

}  // namespace dialnote
