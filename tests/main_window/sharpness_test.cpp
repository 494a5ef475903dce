// The main window on a screen with a device pixel ratio of 2: the artwork is
// drawn at the device ratio, not enlarged, so the title strip and the banner
// come out sharper than the ratio-1 window enlarged to the same size; lines
// stay crisp; the window keeps its shape.
//
// CTest runs this program with QT_SCALE_FACTOR=2. For the comparison it runs
// itself again with QT_SCALE_FACTOR=1 and "--grab FILE", which saves the
// ratio-1 window there.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "main_window/form1.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

QImage GrabForm1() {
  testing::RecordingRuntime runtime;
  Form1 form(runtime, App(QStringLiteral("/opt/dialnote/dialnote")));
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return {};
  // Once the first tick has shown the explanation, nothing changes any more.
  if (!QTest::qWaitFor([&form] { return !form.Text2->toPlainText().isEmpty(); })) return {};
  form.Timer1->stop();
  QTest::qWait(20);
  return form.grab().toImage();
}

// How much the picture changes from one device pixel to the next inside
// `area` (in logical pixels): blurred edges change little at a time.
double EdgeEnergy(const QImage& image, QRect area, qreal ratio) {
  const QRect device(area.topLeft() * ratio, area.size() * ratio);
  double energy = 0;
  for (int y = device.top(); y < device.bottom(); ++y) {
    for (int x = device.left(); x < device.right(); ++x) {
      const int here = qGray(image.pixel(x, y));
      energy +=
          qAbs(here - qGray(image.pixel(x + 1, y))) + qAbs(here - qGray(image.pixel(x, y + 1)));
    }
  }
  return energy / (device.width() * device.height());
}

}  // namespace

class SharpnessTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void theWindowIsDrawnAtTheDeviceRatio();
  void artworkIsSharperThanTheEnlargedRatioOneWindow_data();
  void artworkIsSharperThanTheEnlargedRatioOneWindow();
  void linesStayCrisp_data();
  void linesStayCrisp();

 private:
  QImage doubled_;   // the window at ratio 2
  QImage enlarged_;  // the window at ratio 1, enlarged twice
};

void SharpnessTest::initTestCase() {
  QCOMPARE(qApp->devicePixelRatio(), 2.0);
  doubled_ = GrabForm1();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("ratio1.png"));
  QProcess ratio_one;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
  ratio_one.setProcessEnvironment(environment);
  ratio_one.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--grab"), file});
  QVERIFY(ratio_one.waitForFinished(30000));
  QCOMPARE(ratio_one.exitCode(), 0);
  const QImage single(file);
  QCOMPARE(single.size(), QSize(348, 429));
  enlarged_ = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SharpnessTest::theWindowIsDrawnAtTheDeviceRatio() {
  QCOMPARE(doubled_.size(), QSize(696, 858));
  QCOMPARE(doubled_.devicePixelRatio(), 2.0);
}

void SharpnessTest::artworkIsSharperThanTheEnlargedRatioOneWindow_data() {
  QTest::addColumn<QRect>("area");
  QTest::newRow("the close image") << QRect(7, 5, 21, 21);
  QTest::newRow("the title text") << QRect(200, 3, 104, 21);
  QTest::newRow("the icon on the title strip") << QRect(312, 3, 24, 24);
  QTest::newRow("the banner") << QRect(15, 39, 319, 138);
  QTest::newRow("the explanation's text") << QRect(20, 308, 305, 50);
}

void SharpnessTest::artworkIsSharperThanTheEnlargedRatioOneWindow() {
  QFETCH(QRect, area);
  const double native = EdgeEnergy(doubled_, area, 2);
  const double enlarged = EdgeEnergy(enlarged_, area, 2);
  QVERIFY2(native > enlarged * 1.2,
           qPrintable(QStringLiteral("native %1, enlarged %2").arg(native).arg(enlarged)));
}

void SharpnessTest::linesStayCrisp_data() {
  QTest::addColumn<QPoint>("inside");   // device pixel on the line
  QTest::addColumn<QPoint>("outside");  // device pixel just off it
  QTest::addColumn<QColor>("colour");
  QTest::newRow("the upper separator's dark row")
      << QPoint(100, 445) << QPoint(100, 443) << QColor(0xA7, 0xA6, 0xAA);
  QTest::newRow("the lower separator's light row")
      << QPoint(100, 759) << QPoint(100, 761) << QColor(0xFF, 0xFF, 0xFF);
  QTest::newRow("the line between the web and exit buttons")
      << QPoint(449, 800) << QPoint(450, 800) << QApplication::palette().color(QPalette::Text);
}

void SharpnessTest::linesStayCrisp() {
  QFETCH(QPoint, inside);
  QFETCH(QPoint, outside);
  QFETCH(QColor, colour);
  QCOMPARE(QColor(doubled_.pixel(inside)), colour);
  QVERIFY(QColor(doubled_.pixel(outside)) != colour);
}

}  // namespace dialnote

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--grab") {
    QApplication application(argc, argv);
    const QImage image = dialnote::GrabForm1();
    return !image.isNull() && image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  }
  QApplication application(argc, argv);
  dialnote::SharpnessTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "sharpness_test.moc"
