// SPDX-License-Identifier: GPL-3.0-or-later
// A window's background picture: its frame, title strip and artwork, drawn
// unscaled at the window's origin. The picture at one pixel per logical
// pixel also gives the window its shape (Skin); a screen with a device pixel
// ratio above 1 gets the picture drawn at twice the size, loaded when first
// needed.
#pragma once

#include <QImage>
#include <QString>
#include <QStringView>
#include <optional>

class QWidget;

namespace dialnote {

class WindowBackground {
 public:
  // `name` is the embedded picture's name, such as u"form1_background".
  explicit WindowBackground(QStringView name);

  // One picture pixel to one logical pixel.
  [[nodiscard]] const QImage& Picture() const { return picture_; }

  // From now on, pixels of the colour `key` are painted fully transparent,
  // for a window system that shows what a window paints outside its mask.
  // The window needs a translucent background for this to show.
  void MakeSeeThrough(QRgb key);

  // Draws the picture for `window`'s screen at the window's origin.
  void Paint(QWidget& window);

 private:
  QImage Load(qreal scale) const;

  QString name_;
  std::optional<QRgb> see_through_;
  QImage picture_;
  QImage painted_;  // the picture as painted: picture_, or its see-through copy
  QImage doubled_;  // for device pixel ratios above 1, once needed
};

}  // namespace dialnote
