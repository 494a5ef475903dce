// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/ico_writer.h"

#include <QBuffer>
#include <QSize>
#include <algorithm>
#include <cstddef>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace dialnote::artwork {
namespace {

constexpr int kPaletteSize = 256;
constexpr int kOpaqueAlpha = 128;

void PutU8(QByteArray& out, int value) { out.append(static_cast<char>(value & 0xFF)); }

void PutU16(QByteArray& out, int value) {
  PutU8(out, value);
  PutU8(out, value >> 8);
}

void PutU32(QByteArray& out, int value) {
  for (int shift = 0; shift < 32; shift += 8) PutU8(out, value >> shift);
}

int RowBytes(int bits) { return (bits + 31) / 32 * 4; }

bool Opaque(QRgb pixel) { return qAlpha(pixel) >= kOpaqueAlpha; }

constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kLargest = 256;

// ICONDIR: reserved, type 1 (icon), the number of images.
void PutDirectoryHeader(QByteArray& out, int count) {
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, count);
}

// ICONDIRENTRY; 0 colours means 256 or more, and a side of 0 means 256.
void PutDirectoryEntry(QByteArray& out, QSize size, int bits, int bytes, int offset) {
  PutU8(out, size.width() % kLargest);
  PutU8(out, size.height() % kLargest);
  PutU8(out, 0);
  PutU8(out, 0);
  PutU16(out, 1);  // planes
  PutU16(out, bits);
  PutU32(out, bytes);
  PutU32(out, offset);
}

// BITMAPINFOHEADER of an icon image: its height counts colours and mask.
void PutBitmapHeader(QByteArray& out, int width, int height, int bits, int data_bytes) {
  PutU32(out, 40);
  PutU32(out, width);
  PutU32(out, 2 * height);
  PutU16(out, 1);
  PutU16(out, bits);
  PutU32(out, 0);  // no compression
  PutU32(out, data_bytes);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);  // colours used and important: all of the palette
  PutU32(out, 0);
}

// The 1-bit AND mask, bottom row first: set where `shown` is false.
template <typename Shown>
void PutMask(QByteArray& out, const QImage& image, Shown shown) {
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(RowBytes(image.width()), '\0');
    for (int x = 0; x < image.width(); ++x) {
      if (!shown(image.pixel(x, y))) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
}

int Distance(QRgb a, QRgb b) {
  const int red = qRed(a) - qRed(b);
  const int green = qGreen(a) - qGreen(b);
  const int blue = qBlue(a) - qBlue(b);
  return red * red + green * green + blue * blue;
}

std::vector<QRgb> Palette(const QImage& image) {
  std::map<QRgb, int> uses;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (Opaque(pixel)) ++uses[qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel))];
    }
  }
  std::vector<std::pair<QRgb, int>> by_use(uses.begin(), uses.end());
  std::stable_sort(by_use.begin(), by_use.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::vector<QRgb> palette = {qRgb(0, 0, 0)};
  for (const auto& [colour, count] : by_use) {
    if (palette.size() == kPaletteSize) break;
    if (colour != palette.front()) palette.push_back(colour);
  }
  palette.resize(kPaletteSize, qRgb(0, 0, 0));
  return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (int i = 0; i < kPaletteSize; ++i) {
    const int distance = Distance(palette[static_cast<size_t>(i)], colour);
    if (distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace

QByteArray IcoImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width();
  const int height = image.height();
  const std::vector<QRgb> palette = Palette(image);
  const int colour_bytes = RowBytes(8 * width) * height;
  const int mask_bytes = RowBytes(width) * height;

  QByteArray out;
  PutBitmapHeader(out, width, height, 8, colour_bytes + mask_bytes);
  for (const QRgb colour : palette) {
    PutU8(out, qBlue(colour));
    PutU8(out, qGreen(colour));
    PutU8(out, qRed(colour));
    PutU8(out, 0);
  }

  // Both bitmaps run from the bottom row up; masked pixels are palette black.
  std::map<QRgb, int> index_of;
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (!Opaque(pixel)) {
        PutU8(out, 0);
        continue;
      }
      const QRgb colour = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
      auto [entry, added] = index_of.try_emplace(colour, 0);
      if (added) entry->second = Nearest(palette, colour);
      PutU8(out, entry->second);
    }
    for (int pad = width; pad < RowBytes(8 * width); ++pad) PutU8(out, 0);
  }
  PutMask(out, image, Opaque);
  return out;
}

QByteArray IcoFile(const QImage& image) {
  const QByteArray bytes = IcoImage(image);
  QByteArray out;
  PutDirectoryHeader(out, 1);
  PutDirectoryEntry(out, image.size(), 8, static_cast<int>(bytes.size()),
                    kDirectoryBytes + kEntryBytes);
  return out + bytes;
}

QByteArray AlphaIcoFile(std::span<const QImage> images) {
  std::vector<QByteArray> encoded;
  for (const QImage& source : images) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    if (image.width() == kLargest) {
      QBuffer buffer(&bytes);
      if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    } else {
      PutBitmapHeader(
          bytes, image.width(), image.height(), 32,
          4 * image.width() * image.height() + RowBytes(image.width()) * image.height());
      for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
          const QRgb pixel = image.pixel(x, y);
          PutU8(bytes, qBlue(pixel));
          PutU8(bytes, qGreen(pixel));
          PutU8(bytes, qRed(pixel));
          PutU8(bytes, qAlpha(pixel));
        }
      }
      // Windows draws by the alpha channel; the mask serves programs that
      // know only masks.
      PutMask(bytes, image, [](QRgb pixel) { return qAlpha(pixel) != 0; });
    }
    encoded.push_back(bytes);
  }

  QByteArray out;
  const int count = static_cast<int>(images.size());
  PutDirectoryHeader(out, count);
  int offset = kDirectoryBytes + count * kEntryBytes;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const int bytes = static_cast<int>(encoded[i].size());
    PutDirectoryEntry(out, images[i].size(), 32, bytes, offset);
    offset += bytes;
  }
  for (const QByteArray& bytes : encoded) out.append(bytes);
  return out;
}

}  // namespace dialnote::artwork
