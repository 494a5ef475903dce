// SPDX-License-Identifier: GPL-3.0-or-later
// dialnote_artwork_generator DRAWINGS_DIR OUTPUT_DIR
//
// Draws all of Dialnote's artwork into OUTPUT_DIR: each picture as NAME.png
// at scale 1 and NAME@2x.png at scale 2, and the pictures of the Windows
// icons, which icotool makes (assets/CMakeLists.txt): icon-256-colours.png,
// the 48 x 48 program icon's, and program-icon-SIZE.png, the icon drawn for
// each size Windows asks for. The pictures come from the SVG
// drawings in DRAWINGS_DIR. Exits with
// a message and status 1 if any drawing is unreadable or any file unwritable.
#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <span>

#include "assets/artwork.h"
#include "tools/artwork/chrome.h"
#include "tools/artwork/drawings.h"
#include "tools/artwork/program_icon.h"

namespace dialnote::artwork {
namespace {

struct Picture {
  const char* drawing = nullptr;
  QRect area;
};

struct WindowDesign {
  const char* name = nullptr;
  WindowChrome chrome;
  std::span<const Picture> pictures;
};

constexpr std::array<Separator, 2> kForm1Separators = {{{222, 15, 335}, {378, 12, 332}}};
constexpr std::array<Picture, 1> kForm1Pictures = {{{"banner.svg", QRect(15, 39, 319, 138)}}};
constexpr std::array<Picture, 1> kForm2Pictures = {{{"network.svg", QRect(14, 40, 32, 32)}}};

const std::array<WindowDesign, 2> kWindows = {{
    {"form1_background", {QSize(348, 429), true, kForm1Separators}, kForm1Pictures},
    {"form2_background", {QSize(332, 130), false, {}}, kForm2Pictures},
}};

struct Generator {
  QDir drawings;
  QDir output;
  QStringList errors;

  QString Drawing(const char* file) const { return drawings.filePath(QString::fromUtf8(file)); }

  void Fail(const QString& message) { errors.append(message); }

  void Save(const QImage& image, const QString& name, int scale) {
    const QString file =
        output.filePath(name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    if (image.isNull() || !image.save(file, "PNG")) Fail(QStringLiteral("cannot write ") + file);
  }

  QImage DrawnAlone(const char* drawing, int side, int scale) {
    QImage image = RenderDrawing(Drawing(drawing), QSize(side, side) * scale);
    if (image.isNull()) Fail(QStringLiteral("not a drawing: ") + Drawing(drawing));
    return image;
  }

  void Window(const WindowDesign& design, int scale) {
    QImage image = DrawWindowChrome(design.chrome);
    if (scale == 2) image = Doubled(image);
    for (const Picture& picture : design.pictures) {
      const QRect area(picture.area.topLeft() * scale, picture.area.size() * scale);
      if (!RenderDrawing(Drawing(picture.drawing), image, area)) {
        Fail(QStringLiteral("not a drawing: ") + Drawing(picture.drawing));
      }
    }
    Save(image, QString::fromUtf8(design.name), scale);
  }

  void Close(int scale) {
    QImage image = DrawCloseImageBackdrop(scale);
    if (!RenderDrawing(Drawing("close.svg"), image, image.rect())) {
      Fail(QStringLiteral("not a drawing: ") + Drawing("close.svg"));
    }
    Save(image, QStringLiteral("close"), scale);
  }

  void Hand(int scale) {
    const QImage image = DrawnAlone("hand.svg", 32, scale);
    // The fingertip must cover the hot spot with nothing above it.
    const QPoint tip = kHandHotSpot * scale;
    if (!image.isNull() &&
        (qAlpha(image.pixel(tip)) < 128 || qAlpha(image.pixel(tip - QPoint(0, 1))) != 0)) {
      Fail(QStringLiteral("hand.svg: the fingertip is not at the hot spot"));
    }
    Save(image, QStringLiteral("hand"), scale);
  }

  void Icon() {
    for (const int scale : {1, 2})
      Save(DrawnAlone("icon.svg", 48, scale), QStringLiteral("icon"), scale);
    // icotool makes an 8-bit icon only of a picture of at most 256 colours,
    // and counts each shade of a soft edge as one: the 256-colour program
    // icon's picture has each pixel at least half opaque made opaque, the
    // others clear, as its 1-bit mask shows them.
    QImage hard = DrawnAlone("icon.svg", 48, 1).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hard.height(); ++y) {
      for (int x = 0; x < hard.width(); ++x) {
        const QRgb pixel = hard.pixel(x, y);
        hard.setPixel(x, y, qAlpha(pixel) >= 128 ? pixel | 0xFF000000U : 0U);
      }
    }
    Save(hard, QStringLiteral("icon-256-colours"), 1);
    for (const int size : kProgramIconSizes)
      Save(DrawProgramIcon(size), QStringLiteral("program-icon-%1").arg(size), 1);
  }

  void Everything() {
    for (const int scale : {1, 2}) {
      for (const WindowDesign& design : kWindows) Window(design, scale);
      Close(scale);
      Hand(scale);
      const QImage up = DrawArrow(Arrow::kUp);
      const QImage down = DrawArrow(Arrow::kDown);
      Save(scale == 2 ? Doubled(up) : up, QStringLiteral("arrow_up"), scale);
      Save(scale == 2 ? Doubled(down) : down, QStringLiteral("arrow_down"), scale);
    }
    Icon();
  }
};

}  // namespace
}  // namespace dialnote::artwork

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DRAWINGS_DIR OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  dialnote::artwork::Generator generator{
      QDir(QString::fromLocal8Bit(argv[1])), QDir(QString::fromLocal8Bit(argv[2])), {}};
  if (!generator.output.mkpath(QStringLiteral(".")))
    generator.Fail(QStringLiteral("cannot create the output directory"));
  if (generator.errors.isEmpty()) generator.Everything();
  for (const QString& error : generator.errors) {
    std::fprintf(stderr, "dialnote_artwork_generator: %s\n", qPrintable(error));
  }
  return generator.errors.isEmpty() ? 0 : 1;
}
