// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window system cannot cut a window's shape (Wayland), the windows
// paint their key-coloured corners transparent instead; elsewhere they keep
// the mask and paint every pixel.
#include <QtTest>

#include "platform/window_system.h"
#include "window_kit/window_background.h"

namespace dialnote {

class SeeThroughTest : public QObject {
  Q_OBJECT

 private slots:
  void windowSystemsByPlatform_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("places_and_cuts");
    QTest::newRow("X11 lets windows place and shape themselves") << "xcb" << true;
    QTest::newRow("Windows does too") << "windows" << true;
    QTest::newRow("the offscreen tests' platform does too") << "offscreen" << true;
    QTest::newRow("Wayland does neither") << "wayland" << false;
    QTest::newRow("nor Wayland through EGL") << "wayland-egl" << false;
  }
  void windowSystemsByPlatform() {
    QFETCH(QString, platform);
    QFETCH(bool, places_and_cuts);
    const WindowSystem system = WindowSystemOf(platform);
    QCOMPARE(system.places_windows, places_and_cuts);
    QCOMPARE(system.cuts_shapes, places_and_cuts);
  }

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
