// Form1 as the user first sees it: the window, every control's place, text,
// font and colours, the tab and stacking orders, and the window's shape.
// Expected places are the pixel values of the window's design, written here
// independently of the twips table that the window is built from.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

#include "main_window/form1.h"
#include "main_window/form1_design.h"
#include "tests/recording_runtime.h"
#include "window_kit/design_controls.h"

namespace dialnote {

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void windowIsBorderlessFixedAndCentred();
  void controlsSitWhereTheDesignPutsThem_data();
  void controlsSitWhereTheDesignPutsThem();
  void controlsCarryTheirTextsFontsAndReadingOrder_data();
  void controlsCarryTheirTextsFontsAndReadingOrder();
  void coloursAreTheDesignColours_data();
  void coloursAreTheDesignColours();
  void entryListAndExplanationBehaveAsDesigned();
  void tabMovesFocusInTheDesignOrder();
  void overlappingControlsStackAsDesigned();
  void onlyTheTopCornersAreSeeThrough();
  void invisibleControlsExistByName();
  void handCursorOverClickableControls();
  void picturesOfTheStepButtonsAndTitleStrip();

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<Form1> form_;
};

void Form1LayoutTest::init() {
  form_ = std::make_unique<Form1>(runtime_, App(QStringLiteral("/opt/dialnote/dialnote")));
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1LayoutTest::cleanup() { form_.reset(); }

void Form1LayoutTest::windowIsBorderlessFixedAndCentred() {
  QCOMPARE(form_->size(), QSize(348, 429));
  QCOMPARE(form_->minimumSize(), QSize(348, 429));
  QCOMPARE(form_->maximumSize(), QSize(348, 429));
  QVERIFY(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
  QVERIFY(form_->isWindow());
  QCOMPARE(form_->windowFlags() & Qt::WindowType_Mask, Qt::Window);  // a taskbar button
  QCOMPARE(form_->windowTitle(), QStringLiteral("دايالنوت"));
  QVERIFY(!form_->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QVERIFY(qAbs(form_->geometry().center().x() - screen.center().x()) <= 1);
  QVERIFY(qAbs(form_->geometry().center().y() - screen.center().y()) <= 1);
}

// ---------------------------------------------------------------------------

void Form1LayoutTest::controlsSitWhereTheDesignPutsThem_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::newRow("Text1") << "Text1" << QRect(55, 184, 217, 33);
  QTest::newRow("Command1") << "Command1" << QRect(16, 184, 41, 17);
  QTest::newRow("Command2") << "Command2" << QRect(16, 200, 41, 17);
  QTest::newRow("List1") << "List1" << QRect(16, 232, 313, 61);
  QTest::newRow("Text2") << "Text2" << QRect(16, 304, 313, 61);
  QTest::newRow("Image1") << "Image1" << QRect(312, 3, 24, 24);
  QTest::newRow("imgexit") << "imgexit" << QRect(7, 5, 21, 21);
  QTest::newRow("lbTitleBar") << "lbTitleBar" << QRect(0, 0, 472, 30);
  QTest::newRow("cmdabout") << "cmdabout" << QRect(16, 392, 89, 25);
  QTest::newRow("web") << "web" << QRect(120, 392, 89, 25);
  QTest::newRow("cmdexit") << "cmdexit" << QRect(240, 392, 89, 25);
  QTest::newRow("Line1") << "Line1" << QRect(224, 392, 1, 24);
}

void Form1LayoutTest::controlsSitWhereTheDesignPutsThem() {
  QFETCH(QString, name);
  const auto* control = form_->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QTEST(control->geometry(), "place");
  QVERIFY(control->isVisible());
}

// Labels size themselves to their text: one edge and the top are fixed.
void Form1LayoutTest::controlsCarryTheirTextsFontsAndReadingOrder_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("pixel_size");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<Qt::LayoutDirection>("direction");
  QTest::newRow("Text1") << "Text1"
                         << "600" << 20 << true << Qt::RightToLeft;
  QTest::newRow("Label1") << "Label1"
                          << "\u06a9د خطا :" << 13 << true << Qt::RightToLeft;
  QTest::newRow("List1") << "List1"
                         << "" << 16 << true << Qt::RightToLeft;
  QTest::newRow("Text2") << "Text2"
                         << "" << 13 << false << Qt::RightToLeft;
  QTest::newRow("Label3") << "Label3"
                          << "دايالنوت" << 17 << false << Qt::LeftToRight;
  QTest::newRow("Label2") << "Label2"
                          << "" << 11 << false << Qt::RightToLeft;
  QTest::newRow("cmdabout") << "cmdabout"
                            << "درباره" << 13 << false << Qt::LeftToRight;
  QTest::newRow("web") << "web"
                       << "وبسايت" << 13 << false << Qt::LeftToRight;
  QTest::newRow("cmdexit") << "cmdexit"
                           << "خروج" << 13 << false << Qt::LeftToRight;
}

void Form1LayoutTest::controlsCarryTheirTextsFontsAndReadingOrder() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  auto* control = form_->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    if (name != "Label2") QCOMPARE(label->text(), text);  // Label2 is written at start-up
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    QCOMPARE(edit->text(), text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    QCOMPARE(button->text(), text);
  }
  QTEST(control->font().pixelSize(), "pixel_size");
  QTEST(control->font().bold(), "bold");
  QCOMPARE(control->font().families().first(), QStringLiteral("Tahoma"));
  QTEST(control->layoutDirection(), "direction");
}

void Form1LayoutTest::coloursAreTheDesignColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPalette::ColorRole>("role");
  QTest::addColumn<QColor>("colour");
  const QPalette system;
  QTest::newRow("Label2 is white") << "Label2" << QPalette::WindowText << QColor(Qt::white);
  QTest::newRow("Label3 is white") << "Label3" << QPalette::WindowText << QColor(Qt::white);
  QTest::newRow("Label1 on the button face")
      << "Label1" << QPalette::Window << system.color(QPalette::Button);
  QTest::newRow("Label1 in button text")
      << "Label1" << QPalette::WindowText << system.color(QPalette::ButtonText);
  QTest::newRow("Text1 on the window background")
      << "Text1" << QPalette::Base << system.color(QPalette::Base);
  QTest::newRow("Text2 in window text")
      << "Text2" << QPalette::Text << system.color(QPalette::Text);
  QTest::newRow("List1 on the window background")
      << "List1" << QPalette::Base << system.color(QPalette::Base);
  QTest::newRow("Line1 in window text")
      << "Line1" << QPalette::WindowText << system.color(QPalette::Text);
}

void Form1LayoutTest::coloursAreTheDesignColours() {
  QFETCH(QString, name);
  QFETCH(QPalette::ColorRole, role);
  const auto* control = form_->findChild<QWidget*>(name);
  QTEST(control->palette().color(role), "colour");
}

void Form1LayoutTest::entryListAndExplanationBehaveAsDesigned() {
  QCOMPARE(form_->Text1->maxLength(), 3);
  QCOMPARE(form_->Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  QVERIFY(form_->Text1->hasFrame());
  QVERIFY(!form_->Text1->isReadOnly());

  QVERIFY(form_->Text2->isReadOnly());
  QVERIFY(form_->Text2->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
  QVERIFY(form_->Text2->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
  QCOMPARE(form_->Text2->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(form_->Text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(form_->Text2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  const QTextOption option = form_->Text2->document()->defaultTextOption();
  QCOMPARE(option.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  QCOMPARE(option.textDirection(), Qt::RightToLeft);

  QCOMPARE(form_->List1->selectionMode(), QAbstractItemView::SingleSelection);
  QCOMPARE(form_->Timer1->interval(), 1);
  QCOMPARE(form_->Timer1->timerType(), Qt::PreciseTimer);
  QVERIFY(form_->Timer1->isActive());
}

void Form1LayoutTest::tabMovesFocusInTheDesignOrder() {
  const QStringList order = {"Text1",    "List1",    "cmdexit", "cmdabout",
                             "Command1", "Command2", "Text2",   "web"};
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  form_->Text1->setFocus();
  for (int step = 1; step <= order.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.at(step % order.size()));
  }
  for (const char* never :
       {"Label1", "Label2", "Label3", "Image1", "imgexit", "lbTitleBar", "Line1"}) {
    QCOMPARE(form_->findChild<QWidget*>(never)->focusPolicy(), Qt::NoFocus);
  }
}

// A press anywhere on the title strip but the close image reaches the drag
// area; where the step buttons meet, the lower one lies on top.
void Form1LayoutTest::overlappingControlsStackAsDesigned() {
  const auto at = [this](QPoint p) { return form_->childAt(p); };
  QCOMPARE(at({15, 15}), form_->imgexit);
  QCOMPARE(at({250, 12}), form_->lbTitleBar);  // over the title text
  QCOMPARE(at({320, 12}), form_->lbTitleBar);  // over the icon
  QCOMPARE(at({100, 28}), form_->lbTitleBar);
  QCOMPARE(at({30, 200}), form_->Command2);
  QCOMPARE(at({30, 199}), form_->Command1);
}

void Form1LayoutTest::onlyTheTopCornersAreSeeThrough() {
  const QRegion shape = form_->mask();
  QVERIFY(!shape.isEmpty());
  const int run[] = {5, 3, 2, 1, 1};
  int see_through = 0;
  for (int y = 0; y < 429; ++y) {
    for (int x = 0; x < 348; ++x) {
      const bool corner = y < 5 && (x < run[y] || x >= 348 - run[y]);
      QCOMPARE(shape.contains(QPoint(x, y)), !corner);
      see_through += corner ? 1 : 0;
    }
  }
  QCOMPARE(see_through, 24);
}

void Form1LayoutTest::invisibleControlsExistByName() {
  QVERIFY(form_->findChild<QTimer*>(QStringLiteral("Timer1")) == form_->Timer1);
  QVERIFY(form_->findChild<QObject*>(QStringLiteral("Winsock1")) == form_->Winsock1);
  QVERIFY(form_->findChild<QObject*>(QStringLiteral("Skin1")) == form_->Skin1);
  QCOMPARE(form_->Skin1->trancolor(), 16776960u);
  QVERIFY(form_->lbTitleBar->Picture().isNull());  // an area without a picture
}

void Form1LayoutTest::handCursorOverClickableControls() {
  const QPoint hot = HandCursor().hotSpot();
  for (QWidget* control :
       std::initializer_list<QWidget*>{form_->Command1, form_->Command2, form_->imgexit,
                                       form_->cmdabout, form_->web, form_->cmdexit}) {
    QCOMPARE(control->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(control->cursor().hotSpot(), hot);
  }
  QCOMPARE(form_->Text1->cursor().shape(), Qt::IBeamCursor);
}

void Form1LayoutTest::picturesOfTheStepButtonsAndTitleStrip() {
  QCOMPARE(form_->Command1->iconSize(), QSize(9, 6));
  QVERIFY(form_->Command1->text().isEmpty() && form_->Command2->text().isEmpty());
  const QImage up = form_->Command1->icon().pixmap(QSize(9, 6), 1.0).toImage();
  const QImage down = form_->Command2->icon().pixmap(QSize(9, 6), 1.0).toImage();
  QCOMPARE(qAlpha(up.pixel(4, 1)), 255);  // the apex of the upward triangle
  QCOMPARE(qAlpha(up.pixel(4, 4)), 255);
  QCOMPARE(qAlpha(up.pixel(0, 1)), 0);
  QCOMPARE(qAlpha(down.pixel(4, 4)), 255);  // the apex of the downward triangle
  QCOMPARE(qAlpha(down.pixel(1, 4)), 0);
  QCOMPARE(form_->Image1->Picture().size() / form_->Image1->Picture().devicePixelRatio(),
           QSize(48, 48));
  QCOMPARE(form_->imgexit->Picture().size() / form_->imgexit->Picture().devicePixelRatio(),
           QSize(21, 21));
}

}  // namespace dialnote

QTEST_MAIN(dialnote::Form1LayoutTest)
#include "form1_layout_test.moc"
