// SPDX-License-Identifier: GPL-3.0-or-later
// SkinControl.Skin: shows its host window in the shape of the window's
// background picture, with every pixel of the transparent colour see-through.
#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>

#include "window_kit/form_design.h"
#include "window_kit/window_background.h"

class QWidget;

namespace dialnote {

class Skin : public QObject {
  Q_OBJECT

 public:
  // `trancolor`, as the window stores it: 16776960 is #00FFFF.
  explicit Skin(OleColor trancolor, QObject* parent = nullptr)
      : QObject(parent), trancolor_(trancolor) {}

  [[nodiscard]] OleColor trancolor() const { return trancolor_; }

  // Gives `host` the shape of its background picture (drawn at the host's
  // origin, one picture pixel to one logical pixel) less its transparent
  // pixels. Where the window system cannot cut shapes (Wayland), the mask
  // still limits input, and the host is made translucent with those pixels
  // painted transparent, so the desktop shows through them all the same.
  // Call it before the host is first shown.
  void Apply(QWidget& host, WindowBackground& background) const;

  // The picture's pixels that are not of the transparent colour.
  [[nodiscard]] QRegion OpaqueRegion(const QImage& picture) const;

 private:
  OleColor trancolor_;
};

}  // namespace dialnote
