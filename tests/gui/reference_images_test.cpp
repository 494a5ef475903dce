// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows as the screen shows them, pixel for pixel, against tests/gui/references
// (tests/README.md). DIALNOTE_UPDATE_REFERENCES=1 writes the pictures instead, and fails.
#include <QBackingStore>
#include <QFontInfo>
#include <QPainter>
#include <QStyleHints>
#include <QtTest>

#include "catalogue/error_catalogue.h"
#include "components/network_adapters.h"
#include "main_window/form1.h"
#include "platform/qt_text.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

// One adapter, whose address the IP line shows, whatever the machine's.
namespace {
[[maybe_unused]] const dialnote::NetworkReader kMachineNetwork = dialnote::SetNetworkReader([] {
  dialnote::NetworkAdapter adapter;
  adapter.up = adapter.running = true;
  adapter.ipv4.append({QStringLiteral("192.0.2.2"), true});
  return QList<dialnote::NetworkAdapter>{adapter};
});
}  // namespace

namespace dialnote {
namespace {

// The first of the design font's families that the test machines have.
const QString kReferenceFont = QStringLiteral("DejaVu Sans");
constexpr QRgb kOutsideTheShape = 0xFFFF00FF;

// What the screen shows of `window`, with magenta outside the window's shape.
QImage OnScreen(QWidget& window) {
  QCoreApplication::processEvents();  // pending repaints reach the screen
  const auto* store = static_cast<const QImage*>(window.backingStore()->paintDevice());
  QImage image = store->copy(QRect(QPoint(), window.size() * store->devicePixelRatio()))
                     .convertToFormat(QImage::Format_RGB32);
  QPainter painter(&image);  // in the window's coordinates, at any pixel ratio
  painter.setClipRegion(QRegion(window.rect()) - window.mask());
  painter.fillRect(window.rect(), QColor::fromRgb(kOutsideTheShape));
  return image;
}

QImage Splash(bool blinked) {
  Form2 splash(App(QStringLiteral("/opt/dialnote/dialnote")), [] {});
  for (WindowTimer* timer : {splash.Timer1, splash.Timer2, splash.Timer3}) timer->stop();
  splash.show();
  if (!QTest::qWaitForWindowExposed(&splash)) return {};
  if (blinked) {
    QMetaObject::invokeMethod(splash.Timer1, "timeout");
    QMetaObject::invokeMethod(splash.Timer3, "timeout");
  }
  return OnScreen(splash);
}

// The main window once `typed` is typed and explained, with the mouse over
// `hovered` when there is such a control, after it entered and left `passed`.
QImage MainWindow(const char* typed, const char* hovered, const char* passed = nullptr) {
  testing::RecordingRuntime runtime;
  Form1 form(runtime, App(QStringLiteral("/opt/dialnote/dialnote")));
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) return {};
  QTest::keyClicks(form.Text1, QString::fromLatin1(typed));
  const auto explained = [&form] {
    const auto explanation = ErrorCatalogue::Lookup(View(form.Text1->text()));
    return explanation && form.Text2->toPlainText() == ToQString(*explanation);
  };
  if (!QTest::qWaitFor(explained)) return {};
  for (const char* name : {passed, hovered}) {
    QWidget* control = form.findChild<QWidget*>(QLatin1String(name));
    if (control == nullptr) continue;
    const QPointF centre = QRectF(control->rect()).center();
    QEnterEvent enter(centre, control->mapTo(&form, centre), control->mapToGlobal(centre));
    QApplication::sendEvent(control, &enter);
    QEvent leave(QEvent::Leave);
    if (name == passed) QApplication::sendEvent(control, &leave);
  }
  return OnScreen(form);
}

// The program icon as its file holds it beside the embedded one, and the
// hand pointer with magenta lines through its hot spot.
QImage Artwork() {
  const QCursor hand = HandCursor();
  QImage sheet(QSize(48 + 48 + 32, 48) * qApp->devicePixelRatio(), QImage::Format_RGB32);
  sheet.setDevicePixelRatio(qApp->devicePixelRatio());
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.drawImage(QRect(0, 0, 48, 48), QImage(QStringLiteral(DIALNOTE_ICON_ICO_FILE)));
  painter.drawImage(QRect(48, 0, 48, 48), QImage(QStringLiteral(":/dialnote/icon.png")));
  painter.drawPixmap(96, 0, hand.pixmap());
  const QPoint hot = QPoint(96, 0) + hand.hotSpot();
  painter.fillRect(QRect(hot.x(), 0, 1, 48), Qt::magenta);
  painter.fillRect(QRect(96, hot.y(), 32, 1), Qt::magenta);
  return sheet;
}

struct Shot {
  const char* row;
  const char* file;
  QImage (*draw)();
};
const Shot kShots[] = {
    {"the splash as loaded", "splash_loaded", [] { return Splash(false); }},
    {"the splash blinking, with the version", "splash_blinking", [] { return Splash(true); }},
    {"the main window at start-up, the mouse over the exit button", "main_window_600",
     [] { return MainWindow("", "cmdexit"); }},
    {"the main window explaining 784, the mouse gone from the about button", "main_window_784",
     [] { return MainWindow("784", nullptr, "cmdabout"); }},
    {"the icon file and the hand pointer", "artwork", Artwork},
};

}  // namespace

class ReferenceImagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QGuiApplication::styleHints()->setCursorFlashTime(0);  // the text cursor shows steadily
    QVERIFY2(
        qEnvironmentVariable("FONTCONFIG_FILE") == QLatin1String(DIALNOTE_FONTS_CONF),
        "run by CTest, whose environment pins the fonts: FONTCONFIG_FILE=" DIALNOTE_FONTS_CONF);
    QCOMPARE(QFontInfo(DesignFont(8.25, 400)).family(), kReferenceFont);  // fonts-dejavu-core
  }

  void windowsLookAsTheirReferences_data() {
    QTest::addColumn<int>("shot");
    for (int shot = 0; shot < int(std::size(kShots)); ++shot) {
      QTest::newRow(kShots[shot].row) << shot;
    }
  }

  void windowsLookAsTheirReferences() {
    QFETCH(int, shot);
    const QImage actual = kShots[shot].draw();
    QVERIFY(!actual.isNull());
    const QString name =
        QStringLiteral("%1@%2x").arg(kShots[shot].file).arg(qRound(qApp->devicePixelRatio()));
    const QString reference = QStringLiteral(DIALNOTE_REFERENCES_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("DIALNOTE_UPDATE_REFERENCES")) {
      QVERIFY(actual.save(reference));
      QFAIL(qPrintable(reference + QStringLiteral(" written, not compared: look at it, then run "
                                                  "the tests without DIALNOTE_UPDATE_REFERENCES")));
    }
    if (actual == QImage(reference).convertToFormat(QImage::Format_RGB32)) return;
    const QString output = QStringLiteral(DIALNOTE_OUTPUT_DIR "/%1.actual.png").arg(name);
    actual.save(output);
    QFAIL(qPrintable(QStringLiteral("%1 differs from %2").arg(output, reference)));
  }
};

}  // namespace dialnote

QTEST_MAIN(dialnote::ReferenceImagesTest)
#include "reference_images_test.moc"
