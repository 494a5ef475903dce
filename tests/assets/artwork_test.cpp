// Dialnote's embedded artwork, read back through :/dialnote as the windows
// load it: sizes, the pixel-exact window chrome at both scales, the pictures
// standing where they belong, and the Windows icon file.
#include "assets/artwork.h"

#include <QFile>
#include <QImage>
#include <QLine>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb kClient = 0xEBE9ED;
constexpr std::array<QRgb, 3> kFrame = {0x3262BD, 0x84B0DF, 0x254394};  // outermost first
constexpr QRgb kMixed = 0x1000000;  // no colour: the pixels of a block differ

struct Band {
  int first_row;
  int last_row;
  QRgb top;
  QRgb bottom;
};
constexpr std::array<Band, 5> kTitleStrip = {{{0, 0, 0x2A4DAB, 0x2A4DAB},
                                              {1, 13, 0x99C6F1, 0x5593DE},
                                              {14, 26, 0x3980D2, 0x2C55B1},
                                              {27, 27, 0x2C55B1, 0x2C55B1},
                                              {28, 28, 0x254394, 0x254394}}};

constexpr std::array<const char*, 2> kForms = {"form1_background", "form2_background"};
constexpr std::array<QSize, 2> kFormSizes = {QSize(348, 429), QSize(332, 130)};

const char* FormName(int form) { return kForms[static_cast<size_t>(form)]; }
QSize FormSize(int form) { return kFormSizes[static_cast<size_t>(form)]; }

// How many pixels of `row` are cut out of each top corner.
int CutOut(int row) {
  constexpr std::array<int, 5> kRuns = {5, 3, 2, 1, 1};
  return row < 5 ? kRuns[static_cast<size_t>(row)] : 0;
}

QImage Load(QAnyStringView name, int scale) {
  return QImage(QStringLiteral(":/dialnote/%1%2.png")
                    .arg(name.toString(), scale == 2 ? QStringLiteral("@2x") : QString()));
}

// The colour of the scale x scale block that shows pixel `p` of the 1x image.
QRgb Block(const QImage& image, QPoint p, int scale) {
  const QRgb first = image.pixel(p * scale) & 0xFFFFFF;
  for (int dy = 0; dy < scale; ++dy) {
    for (int dx = 0; dx < scale; ++dx) {
      if ((image.pixel(p * scale + QPoint(dx, dy)) & 0xFFFFFF) != first) return kMixed;
    }
  }
  return first;
}

// Whether `rgb` is title strip row `row`: linear by rows, rounded.
bool IsStripRow(QRgb rgb, int row) {
  for (const Band& band : kTitleStrip) {
    if (row < band.first_row || row > band.last_row) continue;
    const double t = band.last_row == band.first_row
                         ? 0.0
                         : double(row - band.first_row) / (band.last_row - band.first_row);
    const auto near = [t](int actual, int top, int bottom) {
      return std::abs(actual - (top + (bottom - top) * t)) <= 0.5;
    };
    return rgb <= 0xFFFFFF && near(qRed(rgb), qRed(band.top), qRed(band.bottom)) &&
           near(qGreen(rgb), qGreen(band.top), qGreen(band.bottom)) &&
           near(qBlue(rgb), qBlue(band.top), qBlue(band.bottom));
  }
  return false;
}

QByteArray Hex(QRgb rgb) { return "#" + QByteArray::number(rgb, 16); }

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void EachImageHasItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opaque");
    const std::array<std::tuple<const char*, QSize, bool>, 7> images = {{
        {kForms[0], kFormSizes[0], true},
        {kForms[1], kFormSizes[1], true},
        {"icon", QSize(48, 48), false},
        {"close", QSize(21, 21), true},
        {"arrow_up", QSize(9, 6), false},
        {"arrow_down", QSize(9, 6), false},
        {"hand", QSize(32, 32), false},
    }};
    for (const auto& [name, size, opaque] : images) {
      QTest::addRow("%s is %dx%d, %s", name, size.width(), size.height(),
                    opaque ? "opaque" : "with alpha")
          << QString::fromUtf8(name) << size << opaque;
    }
  }
  void EachImageHasItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);
    for (const int scale : {1, 2}) {
      const QImage image = dialnote::LoadArtwork(name, scale);
      QCOMPARE(image.size(), size * scale);
      QCOMPARE(image.devicePixelRatio(), qreal(scale));
      QCOMPARE(image.hasAlphaChannel(), !opaque);
    }
  }

  void TitleStripRowsHaveOneColour_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("row");
    for (int form = 0; form < 2; ++form) {
      for (int row = 0; row < 29; ++row) {
        QTest::addRow("row %d of the %s title strip", row, FormName(form)) << form << row;
      }
    }
  }
  void TitleStripRowsHaveOneColour() {
    QFETCH(int, form);
    QFETCH(int, row);
    const int width = FormSize(form).width();
    const int cut = CutOut(row);  // from the first columns past the cut-outs
    for (const int scale : {1, 2}) {
      const QImage image = Load(FormName(form), scale);
      for (const int x : {cut, 40, width / 2, width - 40, width - 1 - cut}) {
        const QRgb rgb = Block(image, QPoint(x, row), scale);
        QVERIFY2(IsStripRow(rgb, row),
                 ("column " + QByteArray::number(x) + " is " + Hex(rgb)).data());
      }
    }
  }

  void ChromePixels_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    for (int form = 0; form < 2; ++form) {
      const char* name = FormName(form);
      const int w = FormSize(form).width();
      const int h = FormSize(form).height();
      for (int line = 0; line <= 3; ++line) {  // frame lines 1 to 3, then the client
        const QRgb colour = line < 3 ? kFrame[static_cast<size_t>(line)] : kClient;
        const auto add = [&](const char* where, int x, int y) {
          QTest::addRow("%s %s, line %d, at (%d, %d)", name, where, line + 1, x, y)
              << form << QPoint(x, y) << colour;
        };
        for (const int y : {29, h / 2, h - 4}) {
          add("left side", line, y);
          add("right side", w - 1 - line, y);
        }
        for (const int x : {3, w / 2, w - 4}) add("bottom", x, h - 1 - line);
        add("bottom left corner", line, h - 1 - line);
        add("bottom right corner", w - 1 - line, h - 1 - line);
      }
    }
    // The client colour just around the pictures and between the separators.
    const std::array<std::vector<QPoint>, 2> client = {
        std::vector{QPoint(174, 200), QPoint(174, 300), QPoint(174, 420), QPoint(14, 100),
                    QPoint(334, 100), QPoint(174, 38), QPoint(174, 177)},
        std::vector{QPoint(166, 80), QPoint(13, 55), QPoint(46, 55), QPoint(30, 39),
                    QPoint(30, 72)}};
    for (int form = 0; form < 2; ++form) {
      for (const QPoint p : client[static_cast<size_t>(form)]) {
        QTest::addRow("%s client at (%d, %d)", FormName(form), p.x(), p.y())
            << form << p << kClient;
      }
    }
    for (const QLine& separator : {QLine(15, 222, 335, 222), QLine(12, 378, 332, 378)}) {
      const int row = separator.y1();
      const int first = separator.x1();
      const int last = separator.x2();
      const auto add = [row](const char* what, int x, int y, QRgb colour) {
        QTest::addRow("separator at row %d: %s at (%d, %d)", row, what, x, y)
            << 0 << QPoint(x, y) << colour;
      };
      for (const int x : {first, (first + last) / 2, last}) {
        add("shadow", x, row, 0xA7A6AA);
        add("highlight", x, row + 1, 0xFFFFFF);
        add("client above", x, row - 1, kClient);
        add("client below", x, row + 2, kClient);
      }
      for (const int x : {first - 1, last + 1}) {
        add("client before or after the shadow", x, row, kClient);
        add("client before or after the highlight", x, row + 1, kClient);
      }
    }
  }
  void ChromePixels() {
    QFETCH(int, form);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    for (const int scale : {1, 2}) {
      QCOMPARE(Hex(Block(Load(FormName(form), scale), pixel, scale)), Hex(colour));
    }
  }

  void OnlyTheTopCornersAreCutOut_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("scale");
    for (int form = 0; form < 2; ++form) {
      for (const int scale : {1, 2}) {
        QTest::addRow("%s at scale %d", FormName(form), scale) << form << scale;
      }
    }
  }
  void OnlyTheTopCornersAreCutOut() {
    QFETCH(int, form);
    QFETCH(int, scale);
    const QImage image = Load(FormName(form), scale);
    const int w = FormSize(form).width();
    QSet<QPoint> cut;
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < CutOut(y); ++x) cut << QPoint(x, y) << QPoint(w - 1 - x, y);
    }
    QCOMPARE(cut.size(), 24);
    int keyed = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        keyed += (image.pixel(x, y) & 0xFFFFFF) == dialnote::kTransparentKey;
      }
    }
    QCOMPARE(keyed, 24 * scale * scale);
    for (const QPoint& p : cut) {
      QCOMPARE(Hex(Block(image, p, scale)), Hex(dialnote::kTransparentKey));
      for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1)}) {
        const QPoint n = p + step;
        if (n.x() < 0 || n.x() >= w || cut.contains(n)) continue;
        QVERIFY2(IsStripRow(Block(image, n, scale), n.y()), "beside a cut-out, not strip");
      }
    }
  }

  void CloseButtonIsRedWithAWhiteCross_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area");
    QTest::newRow("the close box drawn into form1_background")
        << QString::fromUtf8(kForms[0]) << QRect(QPoint(8, 7), QPoint(26, 22));
    QTest::newRow("the close image, on the strip at its corners")
        << QStringLiteral("close") << QRect(0, 0, 21, 21);
  }
  void CloseButtonIsRedWithAWhiteCross() {
    QFETCH(QString, name);
    QFETCH(QRect, area);
    for (const int scale : {1, 2}) {
      const QImage image = Load(name, scale);
      const QRect device(area.topLeft() * scale, area.size() * scale);
      int red = 0;
      int white = 0;
      for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
          const QRgb p = image.pixel(x, y);
          red += qRed(p) > 150 && qGreen(p) < 120 && qBlue(p) < 100;
          white += qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240;
        }
      }
      QVERIFY2(red * 2 > device.width() * device.height(), QByteArray::number(red).data());
      QVERIFY2(white * 10 > device.width() * device.height(), QByteArray::number(white).data());
      if (name != QLatin1String("close")) continue;
      for (const QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 20), QPoint(20, 20)}) {
        QVERIFY(IsStripRow(Block(image, corner, scale),
                           dialnote::kCloseImagePosition.y() + corner.y()));
      }
    }
  }

  void PicturesFillTheirAreas_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QRect>("area");
    QTest::newRow("the banner, blue to its edges") << 0 << QRect(15, 39, 319, 138);
    QTest::newRow("the network picture, reaching near its sides") << 1 << QRect(14, 40, 32, 32);
  }
  void PicturesFillTheirAreas() {
    QFETCH(int, form);
    QFETCH(QRect, area);
    for (const int scale : {1, 2}) {
      const QImage image = Load(FormName(form), scale);
      const QRect device(area.topLeft() * scale, area.size() * scale);
      const QRect around = device.adjusted(-scale, -scale, scale, scale);
      QRect drawn;  // the bounds of what is not client colour
      qint64 count = 0;
      qint64 warm = 0;  // the stronger of red and green, pixel by pixel
      qint64 blue = 0;
      for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
          const QRgb p = image.pixel(x, y);
          if ((p & 0xFFFFFF) == kClient) continue;
          drawn |= QRect(x, y, 1, 1);
          ++count;
          warm += std::max(qRed(p), qGreen(p));
          blue += qBlue(p);
        }
      }
      QVERIFY(device.contains(drawn));
      QVERIFY(drawn.adjusted(-scale, -scale, scale, scale).contains(device));
      const qint64 pixels = qint64{device.width()} * device.height();
      if (form == 0) {
        QCOMPARE(count, pixels);
        QVERIFY(blue > warm);
      } else {
        QVERIFY2(count * 3 > pixels, QByteArray::number(count).data());
      }
    }
  }

  void IconAndHandPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("kind");
    const auto add = [](const char* what, const char* name, QPoint p, const char* kind) {
      QTest::addRow("%s: %s at (%d, %d)", name, what, p.x(), p.y())
          << QString::fromUtf8(name) << p << QString::fromUtf8(kind);
    };
    for (const QPoint p : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47)}) {
      add("a corner is transparent", "icon", p, "clear");
    }
    add("outside the disc is transparent", "icon", {4, 4}, "clear");
    add("the disc beside the mark is red", "icon", {10, 24}, "red");
    add("the disc above the mark is red", "icon", {24, 4}, "red");
    add("the bar of the mark is yellow", "icon", {24, 20}, "yellow");
    add("the dot of the mark is yellow", "icon", {24, 37}, "yellow");
    for (const QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
      add("a corner is transparent", "hand", p, "clear");
    }
    add("the hot spot is the fingertip's outline", "hand", dialnote::kHandHotSpot, "black");
    add("nothing is above the hot spot", "hand", {11, 0}, "clear");
    add("the finger is white inside", "hand", {11, 6}, "white");
    add("the palm is white inside", "hand", {18, 22}, "white");
    add("the wrist is outlined", "hand", {16, 30}, "black");
    add("left of the finger is clear", "hand", {5, 8}, "clear");
    add("right of the finger is clear", "hand", {28, 8}, "clear");
  }
  void IconAndHandPixels() {
    QFETCH(QString, name);
    QFETCH(QPoint, pixel);
    QFETCH(QString, kind);
    for (const int scale : {1, 2}) {
      const QRgb p = Load(name, scale).pixel(pixel * scale);
      const bool opaque = qAlpha(p) == 255;
      const bool ok = kind == QLatin1String("clear")    ? qAlpha(p) == 0
                      : kind == QLatin1String("black")  ? qAlpha(p) >= 160 && qGray(p) < 64
                      : kind == QLatin1String("white")  ? p == 0xFFFFFFFF
                      : kind == QLatin1String("red")    ? opaque && qRed(p) > 180 && qGreen(p) < 80
                      : kind == QLatin1String("yellow") ? opaque && qRed(p) > 220 && qBlue(p) < 80
                                                        : false;
      QVERIFY2(ok, Hex(p).data());
    }
  }

  void IconDrawingIsEmbedded() {
    QSvgRenderer drawing(QStringLiteral(":/dialnote/icon.svg"));
    QVERIFY(drawing.isValid());
    QCOMPARE(drawing.defaultSize(), QSize(48, 48));
  }

  void ArrowsArePixelExact_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("rows");
    const QStringList up = {QStringLiteral("........."), QStringLiteral("....#...."),
                            QStringLiteral("...###..."), QStringLiteral("..#####.."),
                            QStringLiteral(".#######."), QStringLiteral(".........")};
    QStringList down = up;
    std::reverse(down.begin(), down.end());
    QTest::newRow("the up arrow narrows upwards") << QStringLiteral("arrow_up") << up;
    QTest::newRow("the down arrow narrows downwards") << QStringLiteral("arrow_down") << down;
  }
  void ArrowsArePixelExact() {
    QFETCH(QString, name);
    QFETCH(QStringList, rows);
    for (const int scale : {1, 2}) {
      const QImage image = Load(name, scale);
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QRgb p = image.pixel(x, y);
          const bool ok = rows[y / scale][x / scale] == u'#' ? p == 0xFF000000 : qAlpha(p) == 0;
          QVERIFY2(ok,
                   (QByteArray::number(x) + "," + QByteArray::number(y) + ": " + Hex(p)).data());
        }
      }
    }
  }

  void DoubledImagesAgreeWithTheirOriginals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("drawing");  // rendered afresh at scale 2, not doubled
    QTest::newRow("form1_background outside the banner")
        << QString::fromUtf8(kForms[0]) << QRect(15, 39, 319, 138);
    QTest::newRow("form2_background outside the network picture")
        << QString::fromUtf8(kForms[1]) << QRect(14, 40, 32, 32);
    QTest::newRow("arrow_up") << QStringLiteral("arrow_up") << QRect();
    QTest::newRow("arrow_down") << QStringLiteral("arrow_down") << QRect();
  }
  void DoubledImagesAgreeWithTheirOriginals() {
    QFETCH(QString, name);
    QFETCH(QRect, drawing);
    const QImage single = Load(name, 1);
    const QImage doubled = Load(name, 2);
    QCOMPARE(doubled.size(), single.size() * 2);
    for (int y = 0; y < single.height(); ++y) {
      for (int x = 0; x < single.width(); ++x) {
        if (drawing.contains(x, y)) continue;
        QCOMPARE(Hex(doubled.pixel(2 * x, 2 * y)), Hex(single.pixel(x, y)));
        QCOMPARE(Hex(doubled.pixel(2 * x + 1, 2 * y + 1)), Hex(single.pixel(x, y)));
      }
    }
  }

  void IcoFileStructure_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");  // little-endian fields, in hex
    QTest::newRow("the directory holds one icon image") << 0 << QByteArray("0000 0100 0100");
    QTest::newRow("its entry: 48x48, 256 colours, 8 bits, 3752 bytes at offset 22")
        << 6 << QByteArray("30 30 00 00 0100 0800 a80e0000 16000000");
    QTest::newRow("the image: a 40-byte header, 48 wide, 48x2 high, 8 bits, uncompressed")
        << 22 << QByteArray("28000000 30000000 60000000 0100 0800 00000000");
  }
  void IcoFileStructure() {
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFile file(QStringLiteral(DIALNOTE_ICON_ICO_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QCOMPARE(data.size(), 22 + 3752);  // header 40, palette 1024, pixels 2304, mask 384
    const QByteArray expected = QByteArray::fromHex(bytes);
    QCOMPARE(data.mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
  }

  void IcoFileShowsTheIcon() {
    const QImage ico(QStringLiteral(DIALNOTE_ICON_ICO_FILE));
    const QImage png = Load("icon", 1);
    QCOMPARE(ico.size(), QSize(48, 48));
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        const QRgb want = png.pixel(x, y);
        const QRgb got = ico.pixel(x, y);
        QCOMPARE(qAlpha(got) == 255, qAlpha(want) >= 128);
        const int diff = std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                         std::abs(qBlue(got) - qBlue(want));
        QVERIFY2(qAlpha(got) < 255 || diff <= 24, (Hex(got) + " for " + Hex(want)).data());
      }
    }
  }
};

QTEST_MAIN(ArtworkTest)
#include "artwork_test.moc"
