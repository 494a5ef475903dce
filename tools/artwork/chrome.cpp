// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/chrome.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "assets/artwork.h"

namespace dialnote::artwork {
namespace {

constexpr QRgb Opaque(QRgb rgb) { return 0xFF000000u | rgb; }

// Title strip rows from top to bottom; each band is a linear gradient by
// rows from its first to its last colour.
struct Band {
  int first_row;
  int last_row;
  QRgb first;
  QRgb last;
};
constexpr std::array<Band, 5> kTitleStrip = {{
    {0, 0, 0x2A4DAB, 0x2A4DAB},
    {1, 13, 0x99C6F1, 0x5593DE},
    {14, 26, 0x3980D2, 0x2C55B1},
    {27, 27, 0x2C55B1, 0x2C55B1},
    {28, 28, 0x254394, 0x254394},
}};

// Frame lines on the left, right and bottom, from the outside in.
constexpr std::array<QRgb, 3> kFrame = {0x3262BD, 0x84B0DF, 0x254394};

constexpr QRgb kClient = 0xEBE9ED;
constexpr QRgb kSeparatorShadow = 0xA7A6AA;
constexpr QRgb kSeparatorHighlight = 0xFFFFFF;

// How many pixels of rows 0, 1, 2... of each top corner are see-through.
constexpr std::array<int, 5> kCutOut = {5, 3, 2, 1, 1};

// The close box under the close image: a red box with a dark rim and a
// white cross of two 2-pixel-wide diagonals over the 9 x 9 square at kCross.
constexpr QRect kCloseBox(QPoint(8, 7), QPoint(26, 22));
constexpr QPoint kCross(13, 10);
constexpr int kCrossSize = 9;
constexpr QRgb kCloseBoxRim = 0x8A1D0E;
constexpr QRgb kCloseBoxFace = 0xD6391F;
constexpr QRgb kCloseBoxCross = 0xFFFFFF;

constexpr std::array<std::string_view, 6> kArrowUp = {
    ".........",  //
    "....#....",  //
    "...###...",  //
    "..#####..",  //
    ".#######.",  //
    ".........",  //
};

int Blend(int from, int to, int step, int steps) {
  return from + static_cast<int>(std::lround(static_cast<double>((to - from) * step) / steps));
}

void FillRow(QImage& image, int y, int first_x, int last_x, QRgb rgb) {
  for (int x = first_x; x <= last_x; ++x) image.setPixel(x, y, Opaque(rgb));
}

void DrawCloseBox(QImage& image) {
  for (int y = kCloseBox.top(); y <= kCloseBox.bottom(); ++y) {
    const bool rim_row = y == kCloseBox.top() || y == kCloseBox.bottom();
    FillRow(image, y, kCloseBox.left(), kCloseBox.right(), rim_row ? kCloseBoxRim : kCloseBoxFace);
    image.setPixel(kCloseBox.left(), y, Opaque(kCloseBoxRim));
    image.setPixel(kCloseBox.right(), y, Opaque(kCloseBoxRim));
  }
  for (int i = 0; i < kCrossSize; ++i) {
    const int y = kCross.y() + i;
    const int falling = kCross.x() + i;
    const int rising = kCross.x() + kCrossSize - 1 - i;
    FillRow(image, y, falling, falling + 1, kCloseBoxCross);
    FillRow(image, y, rising - 1, rising, kCloseBoxCross);
  }
}

}  // namespace

QRgb TitleStripColour(int row) {
  for (const Band& band : kTitleStrip) {
    if (row < band.first_row || row > band.last_row) continue;
    const int steps = std::max(1, band.last_row - band.first_row);
    const int step = row - band.first_row;
    return qRgb(Blend(qRed(band.first), qRed(band.last), step, steps),
                Blend(qGreen(band.first), qGreen(band.last), step, steps),
                Blend(qBlue(band.first), qBlue(band.last), step, steps));
  }
  return Opaque(kClient);
}

QImage DrawWindowChrome(const WindowChrome& chrome) {
  const int width = chrome.size.width();
  const int height = chrome.size.height();
  QImage image(chrome.size, QImage::Format_RGB32);
  image.fill(Opaque(kClient));

  for (int y = 0; y < kTitleStripRows; ++y) FillRow(image, y, 0, width - 1, TitleStripColour(y));

  // Nested rings: a pixel belongs to the ring of its nearest side.
  const int frame_width = static_cast<int>(kFrame.size());
  for (int y = kTitleStripRows; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int ring = std::min({x, width - 1 - x, height - 1 - y});
      if (ring < frame_width) image.setPixel(x, y, Opaque(kFrame[static_cast<size_t>(ring)]));
    }
  }

  for (const Separator& line : chrome.separators) {
    FillRow(image, line.row, line.first_x, line.last_x, kSeparatorShadow);
    FillRow(image, line.row + 1, line.first_x, line.last_x, kSeparatorHighlight);
  }

  if (chrome.close_box) DrawCloseBox(image);

  for (int y = 0; y < static_cast<int>(kCutOut.size()); ++y) {
    const int run = kCutOut[static_cast<size_t>(y)];
    FillRow(image, y, 0, run - 1, kTransparentKey);
    FillRow(image, y, width - run, width - 1, kTransparentKey);
  }
  return image;
}

QImage DrawCloseImageBackdrop(int scale) {
  const int side = 21 * scale;
  QImage image(side, side, QImage::Format_RGB32);
  for (int y = 0; y < side; ++y) {
    FillRow(image, y, 0, side - 1, TitleStripColour(kCloseImagePosition.y() + y / scale));
  }
  return image;
}

QImage DrawArrow(Arrow arrow) {
  const int height = static_cast<int>(kArrowUp.size());
  const int width = static_cast<int>(kArrowUp.front().size());
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < height; ++y) {
    const int source_row = arrow == Arrow::kUp ? y : height - 1 - y;
    const std::string_view row = kArrowUp[static_cast<size_t>(source_row)];
    for (int x = 0; x < width; ++x) {
      if (row[static_cast<size_t>(x)] == '#') image.setPixel(x, y, qRgba(0, 0, 0, 255));
    }
  }
  return image;
}

QImage Doubled(const QImage& image) {
  QImage doubled(image.width() * 2, image.height() * 2, image.format());
  for (int y = 0; y < doubled.height(); ++y) {
    for (int x = 0; x < doubled.width(); ++x) doubled.setPixel(x, y, image.pixel(x / 2, y / 2));
  }
  return doubled;
}

}  // namespace dialnote::artwork
