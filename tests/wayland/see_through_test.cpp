// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window system cannot cut a window's shape (Wayland, seen under weston by wayland.sh;
// elsewhere the reference pictures show the cut), the windows paint their key-coloured corners
// transparent instead.
#include <QtTest>

#include "window_kit/window_background.h"

namespace dialnote {

class SeeThroughTest : public QObject {
  Q_OBJECT

 private slots:
  // Every key-coloured pixel and only those turn transparent, at the
  // screen's pixel ratio (the test runs at 1 and at 2): no cyan and no dark
  // fringe at the edge of the cut.
  void seeThroughPaintsOnlyTheKeyColourTransparent_data() {
    QTest::addColumn<QString>("picture");
    QTest::newRow("main window") << "form1_background";
    QTest::newRow("splash window") << "form2_background";
  }
  void seeThroughPaintsOnlyTheKeyColourTransparent() {
    QFETCH(QString, picture);
    const auto paint = [&](bool see_through) {
      Painted window(picture);
      if (see_through) window.background.MakeSeeThrough(qRgb(0, 255, 255));
      window.setAttribute(Qt::WA_TranslucentBackground);
      return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage plain = paint(false), cut = paint(true);
    const int ratio = qRound(plain.devicePixelRatio());
    int transparent = 0;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        const bool key = (plain.pixel(x, y) & RGB_MASK) == 0x00FFFF;
        QCOMPARE(qAlpha(cut.pixel(x, y)), key ? 0 : 255);
        if (!key) QCOMPARE(cut.pixel(x, y), plain.pixel(x, y));
        transparent += key;
      }
    }
    // 12 pixels in each top corner, each doubled both ways at a ratio of 2.
    QCOMPARE(transparent, 24 * ratio * ratio);
  }

 private:
  struct Painted : QWidget {
    explicit Painted(const QString& name) : background(name) {
      setFixedSize(background.Picture().size());
    }
    void paintEvent(QPaintEvent*) override { background.Paint(*this); }
    WindowBackground background;
  };
};

}  // namespace dialnote

QTEST_MAIN(dialnote::SeeThroughTest)
#include "see_through_test.moc"
