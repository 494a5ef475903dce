// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows as the screen shows them, pixel for pixel, against the
// pictures under tests/gui/references, at device pixel ratios 1 and 2 (CTest
// runs it twice). What lies outside a window's shape is painted magenta first,
// so a wrong shape shows too. The text is drawn under tests/gui/fonts.conf
// alone (CTest sets FONTCONFIG_FILE); references/VERSIONS records the
// libraries that drew the pictures, and a mismatch names those that differ.
// DIALNOTE_UPDATE_REFERENCES=1 writes the pictures (and VERSIONS) instead, and
// fails, so that such a run never passes for a comparison.
#include <dlfcn.h>

#include <QBackingStore>
#include <QFontInfo>
#include <QPainter>
#include <QRawFont>
#include <QSaveFile>
#include <QStyleHints>
#include <QtEndian>
#include <QtTest>

#include "catalogue/error_catalogue.h"
#include "components/network_adapters.h"
#include "main_window/form1.h"
#include "platform/qt_text.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

// The machine's network as the main window reads it, the same on every
// machine whatever its adapters: one, whose address the IP line shows.
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

// The font the references were drawn in, the first of the design font's
// families that the test machines have. With it and the drawing libraries
// pinned, the windows equal their references pixel for pixel: a control
// moved by one pixel fails.
const QString kReferenceFont = QStringLiteral("DejaVu Sans");
constexpr QRgb kOutsideTheShape = 0xFFFF00FF;
const QString kVersionsFile = QStringLiteral(DIALNOTE_REFERENCES_DIR "/VERSIONS");

// The libraries that turn the windows' text into pixels, one "name version"
// a line, as this process loaded them (through Qt), and the font's revision.
QStringList DrawingLibraries() {
  const auto hb = reinterpret_cast<const char* (*)()>(dlsym(RTLD_DEFAULT, "hb_version_string"));
  const auto fc = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcGetVersion"));
  const int fc_version = fc ? fc() : 0;
  const QFont design = DesignFont(8.25, 400);
  const QByteArray head = QRawFont::fromFont(design).fontTable("head");  // fontRevision, 16.16
  const double revision = head.size() < 8 ? 0 : qFromBigEndian<quint32>(head.constData() + 4);
  return {QStringLiteral("Qt ") + QLatin1String(qVersion()),
          QStringLiteral("HarfBuzz ") + QLatin1String(hb ? hb() : "unknown"),
          QStringLiteral("fontconfig %1.%2.%3")
              .arg(fc_version / 10000)
              .arg(fc_version / 100 % 100)
              .arg(fc_version % 100),
          QStringLiteral("font %1 %2")
              .arg(QFontInfo(design).family())
              .arg(revision / 65536.0, 0, 'f', 2)};
}

// The libraries that differ here from references/VERSIONS, and what it
// records, as a sentence; empty when all agree.
QString VersionDifferences(const QStringList& here) {
  QFile file(kVersionsFile);
  file.open(QIODevice::ReadOnly | QIODevice::Text);
  QStringList recorded = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  recorded.removeIf([](const QString& line) { return line.startsWith('#'); });
  QStringList differing = here;
  differing.removeIf([&recorded](const QString& line) { return recorded.contains(line); });
  if (differing.isEmpty()) return {};
  return QStringLiteral("this machine draws with %1; the references were drawn with %2")
      .arg(differing.join(QStringLiteral(", ")), recorded.join(QStringLiteral(", ")));
}

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
    const QStringList libraries = DrawingLibraries();
    differences_ = VersionDifferences(libraries);
    const QString family = QFontInfo(DesignFont(8.25, 400)).family();
    if (family != kReferenceFont) {
      QFAIL(qPrintable(QStringLiteral("the references are drawn in %1, but this machine draws "
                                      "the windows in %2: install fonts-dejavu-core. %3")
                           .arg(kReferenceFont, family, differences_)));
    }
    if (qEnvironmentVariableIsSet("DIALNOTE_UPDATE_REFERENCES")) {
      QSaveFile file(kVersionsFile);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
      file.write(
          "# What drew the pictures beside this file, as the reference test read it at\n"
          "# run time; written with them by scripts/test --update-references.\n");
      file.write(libraries.join(QLatin1Char('\n')).toUtf8() + '\n');
      QVERIFY(file.commit());
    } else if (!differences_.isEmpty()) {
      qInfo("%s", qPrintable(differences_));
    }
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
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (actual == expected) return;
    QImage diff =
        actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    const bool same_size = actual.size() == expected.size();
    int differing = same_size ? 0 : actual.width() * actual.height();
    for (int y = 0; same_size && y < actual.height(); ++y) {
      for (int x = 0; x < actual.width(); ++x) {
        if (actual.pixel(x, y) != expected.pixel(x, y))
          ++differing, diff.setPixel(x, y, 0xFFFF0000);
      }
    }
    const QString output = QStringLiteral(DIALNOTE_OUTPUT_DIR "/%1").arg(name);
    actual.save(output + QStringLiteral(".actual.png"));
    diff.save(output + QStringLiteral(".diff.png"));
    QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; see %3.actual.png, %3.diff.png. %4")
                         .arg(differing)
                         .arg(reference, output,
                              differences_.isEmpty()
                                  ? QStringLiteral("The drawing libraries are those that drew it.")
                                  : differences_)));
  }

 private:
  QString differences_;  // the drawing libraries that are not those of the references
};

}  // namespace dialnote

QTEST_MAIN(dialnote::ReferenceImagesTest)
#include "reference_images_test.moc"
