// Form2 as the user first sees it: the window, every control's place, font,
// colour and reading order, how the labels grow, the stacking, the focus and
// the window's shape. Expected places are the pixel values of the splash
// window's design, written here independently of the twips table.
#include <QScreen>
#include <QtTest>

#include "app/application_shell.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"
#include "window_kit/form_design.h"

namespace dialnote {

class Form2LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void windowIsABorderlessCentredToolWindow();
  void controlsSitWhereTheDesignPutsThem_data();
  void controlsSitWhereTheDesignPutsThem();
  void labelsGrowFromTheirFixedEdge_data();
  void labelsGrowFromTheirFixedEdge();
  void labelsCarryTheirFontsColoursAndReadingOrder_data();
  void labelsCarryTheirFontsColoursAndReadingOrder();
  void theTitleStripLiesOverTheTitle();
  void noControlTakesTheFocus();
  void onlyTheTopCornersAreSeeThrough();
  void timersAndHiddenControls();

 private:
  testing::RecordingRuntime runtime_;
  App app_{QStringLiteral("/opt/dialnote/dialnote")};
  std::unique_ptr<ApplicationShell> shell_;
  Form2* form_ = nullptr;
};

void Form2LayoutTest::init() {
  shell_ = std::make_unique<ApplicationShell>(runtime_, app_);
  shell_->Start();
  form_ = shell_->Splash();
  QVERIFY(form_ != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void Form2LayoutTest::cleanup() { shell_.reset(); }

void Form2LayoutTest::windowIsABorderlessCentredToolWindow() {
  QCOMPARE(form_->size(), QSize(332, 130));
  QCOMPARE(form_->minimumSize(), QSize(332, 130));
  QCOMPARE(form_->maximumSize(), QSize(332, 130));
  QVERIFY(form_->isWindow());
  QVERIFY(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
  QCOMPARE(form_->windowType(), Qt::Tool);  // no taskbar button
  QVERIFY(!form_->testAttribute(Qt::WA_QuitOnClose));
  QVERIFY(form_->windowTitle().isEmpty());
  QVERIFY(!form_->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QVERIFY(qAbs(form_->geometry().center().x() - screen.center().x()) <= 1);
  QVERIFY(qAbs(form_->geometry().center().y() - screen.center().y()) <= 1);
  // The background picture is painted: the client colour below the strip.
  QCOMPARE(form_->grab().toImage().pixelColor(100, 80), QColor(0xEB, 0xE9, 0xED));
}

// ---------------------------------------------------------------------------

// A label's fixed edge is its left edge, or one past its right edge.
void Form2LayoutTest::controlsSitWhereTheDesignPutsThem_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("right_edge_fixed");
  QTest::addColumn<int>("edge");
  QTest::addColumn<int>("top");
  QTest::addColumn<int>("min_height");
  QTest::newRow("the title's left edge is at 200") << "Label5" << false << 200 << 3 << 21;
  QTest::newRow("the version line ends at 131") << "Label1" << true << 131 << 40 << 13;
  QTest::newRow("the authors' name ends at 323") << "Label2" << true << 323 << 110 << 13;
  QTest::newRow("the maker's line starts at 8") << "Label3" << false << 8 << 110 << 13;
  QTest::newRow("the web address starts at 8") << "Label4" << false << 8 << 96 << 13;
}

void Form2LayoutTest::controlsSitWhereTheDesignPutsThem() {
  QFETCH(QString, name);
  QFETCH(bool, right_edge_fixed);
  QFETCH(int, min_height);
  const auto* label = form_->findChild<AutoSizeLabel*>(name);
  QVERIFY(label != nullptr);
  QVERIFY(label->isVisible());
  QTEST(right_edge_fixed ? label->geometry().right() + 1 : label->x(), "edge");
  QTEST(label->y(), "top");
  QVERIFY(label->height() >= min_height);
  QCOMPARE(form_->lbTitleBar->geometry(), QRect(-16, 0, 472, 30));
}

void Form2LayoutTest::labelsGrowFromTheirFixedEdge_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("right_edge_fixed");
  QTest::newRow("the version line grows to the left") << "Label1" << true;
  QTest::newRow("the authors' name grows to the left") << "Label2" << true;
  QTest::newRow("the maker's line grows to the right") << "Label3" << false;
  QTest::newRow("the web address grows to the right") << "Label4" << false;
  QTest::newRow("the title grows to the right") << "Label5" << false;
}

void Form2LayoutTest::labelsGrowFromTheirFixedEdge() {
  QFETCH(QString, name);
  QFETCH(bool, right_edge_fixed);
  auto* label = form_->findChild<AutoSizeLabel*>(name);
  const QRect before = label->geometry();
  label->SetCaption(label->Caption() + QStringLiteral(" a caption written long on purpose"));
  const QRect after = label->geometry();
  QVERIFY2(after.width() > before.width(), qPrintable(name));
  QCOMPARE(after.top(), before.top());
  if (right_edge_fixed) {
    QCOMPARE(after.right(), before.right());
  } else {
    QCOMPARE(after.left(), before.left());
  }
  QCOMPARE(after.width(), label->sizeHint().width());
}

void Form2LayoutTest::labelsCarryTheirFontsColoursAndReadingOrder_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("pixel_size");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<OleColor>("colour");
  QTest::addColumn<Qt::LayoutDirection>("direction");
  QTest::newRow("the title: 12.75 pt, white, right to left")
      << "Label5" << 17 << false << 16777215u << Qt::RightToLeft;
  QTest::newRow("the version: 8.25 pt bold, black, right to left")
      << "Label1" << 11 << true << 0u << Qt::RightToLeft;
  QTest::newRow("the authors: 8.25 pt bold, green, right to left")
      << "Label2" << 11 << true << 32768u << Qt::RightToLeft;
  QTest::newRow("the maker: 8.25 pt bold, black, right to left")
      << "Label3" << 11 << true << 0u << Qt::RightToLeft;
  QTest::newRow("the address: 8.25 pt bold, red, left to right")
      << "Label4" << 11 << true << 255u << Qt::LeftToRight;
}

void Form2LayoutTest::labelsCarryTheirFontsColoursAndReadingOrder() {
  QFETCH(QString, name);
  const auto* label = form_->findChild<AutoSizeLabel*>(name);
  QTEST(label->font().pixelSize(), "pixel_size");
  QTEST(label->font().bold(), "bold");
  QCOMPARE(label->font().families().first(), QStringLiteral("Tahoma"));
  QTEST(label->ForeColor(), "colour");
  QTEST(label->layoutDirection(), "direction");
  QVERIFY(!label->autoFillBackground());  // the picture shows through
  QFETCH(Qt::LayoutDirection, direction);
  QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
           direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
}

// A press anywhere on the strip, the title text included, reaches the drag
// area; below the strip the labels are themselves.
void Form2LayoutTest::theTitleStripLiesOverTheTitle() {
  QCOMPARE(form_->childAt(form_->Label5->geometry().center()), form_->lbTitleBar);
  QCOMPARE(form_->childAt(QPoint(1, 15)), form_->lbTitleBar);
  QCOMPARE(form_->childAt(QPoint(330, 29)), form_->lbTitleBar);
  QCOMPARE(form_->childAt(form_->Label1->geometry().center()), form_->Label1);
  QVERIFY(form_->lbTitleBar->Picture().isNull());
}

void Form2LayoutTest::noControlTakesTheFocus() {
  QCOMPARE(form_->focusPolicy(), Qt::NoFocus);
  const auto controls = form_->findChildren<QWidget*>();
  QCOMPARE(controls.size(), 6);
  for (const QWidget* control : controls) {
    QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(control->objectName()));
  }
}

void Form2LayoutTest::onlyTheTopCornersAreSeeThrough() {
  const QRegion shape = form_->mask();
  const int run[] = {5, 3, 2, 1, 1};
  int see_through = 0;
  for (int y = 0; y < 130; ++y) {
    for (int x = 0; x < 332; ++x) {
      const bool corner = y < 5 && (x < run[y] || x >= 332 - run[y]);
      QCOMPARE(shape.contains(QPoint(x, y)), !corner);
      see_through += corner ? 1 : 0;
    }
  }
  QCOMPARE(see_through, 24);
}

void Form2LayoutTest::timersAndHiddenControls() {
  const QList<QPair<QTimer*, int>> timers = {
      {form_->Timer1, 500}, {form_->Timer2, 5000}, {form_->Timer3, 1500}};
  for (const auto& [timer, interval] : timers) {
    QCOMPARE(form_->findChild<QTimer*>(timer->objectName()), timer);
    QCOMPARE(timer->interval(), interval);
    QVERIFY(timer->isActive());
    QVERIFY(!timer->isSingleShot());
  }
  QCOMPARE(form_->findChild<QObject*>(QStringLiteral("Skin1")), form_->Skin1);
  QCOMPARE(form_->Skin1->trancolor(), 16776960u);
  QCOMPARE(form_->dragX, qint16{0});
  QCOMPARE(form_->dragY, qint16{0});
}

}  // namespace dialnote

QTEST_MAIN(dialnote::Form2LayoutTest)
#include "form2_layout_test.moc"
