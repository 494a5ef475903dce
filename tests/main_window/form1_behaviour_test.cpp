// Form1 at work, driven as a user drives it: typing into the code entry,
// stepping, picking in the list, reading and copying the explanation, the
// start-up work and the commands of the buttons and the title strip.
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QtTest>

#include "catalogue/error_catalogue.h"
#include "main_window/form1.h"
#include "platform/identity.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

QString ExplanationOf(const QString& code) {
  const auto found = ErrorCatalogue::Lookup(std::u16string_view(
      reinterpret_cast<const char16_t*>(code.utf16()), static_cast<std::size_t>(code.size())));
  return found ? QString::fromUtf16(found->data(), static_cast<qsizetype>(found->size()))
               : QString();
}

// Receives what the desktop would open in the browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class Form1BehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startUpRegistersComponentsTwiceAndFillsTheWindow();
  void activationRunsOnlyOnce();
  void typingIsFilteredAndNormalised_data();
  void typingIsFilteredAndNormalised();
  void shortcutsForCopyCutAndPasteAreDiscarded();
  void keysWithoutACharacterEditAsUsual();
  void pastingGoesPastTheFilterButNotPastThreeCharacters();
  void theExplanationFollowsTheEntryAtTheNextTick();
  void theExplanationHoldsWhileTheEntryHoldsNoCode();
  void aSelectionInTheExplanationSurvivesTicksAndCanBeCopied();
  void aForeignTextInTheExplanationIsReplaced();
  void stepButtonsCountAndWrap_data();
  void stepButtonsCountAndWrap();
  void aMouseClickInTheListPicksTheCode();
  void arrowKeysInTheListPickTheCode();
  void emptyingTheEntryLeavesItEmpty();
  void aboutBoxShowsTheTitleTheMakerAndTheIcon_data();
  void aboutBoxShowsTheTitleTheMakerAndTheIcon();
  void webButtonOpensTheMakersAddress();
  void bothExitControlsEndTheProgram();
  void draggingTheTitleStripMovesTheWindow_data();
  void draggingTheTitleStripMovesTheWindow();

 private:
  void TypeIntoEntry(const QString& keys);
  void ClickListRow(int row);
  void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                 Qt::MouseButtons held);

  testing::RecordingRuntime runtime_;
  std::unique_ptr<App> app_;
  std::unique_ptr<Form1> form_;
};

void Form1BehaviourTest::init() {
  runtime_ = {};
  app_ = std::make_unique<App>(QStringLiteral("/opt/dial note/dialnote"));
  form_ = std::make_unique<Form1>(runtime_, *app_);
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void Form1BehaviourTest::cleanup() {
  form_.reset();
  app_.reset();
}

// Types over the whole entry; characters beyond ASCII arrive as a keyboard
// of another script delivers them, as text on an unknown key.
void Form1BehaviourTest::TypeIntoEntry(const QString& keys) {
  form_->Text1->setFocus();
  form_->Text1->selectAll();
  for (const QChar key : keys) {
    if (key.unicode() < 0x80) {
      QTest::keyClick(form_->Text1, key.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, form_->Text1, Qt::Key_unknown, QString(key),
                          Qt::NoModifier);
    }
  }
}

void Form1BehaviourTest::ClickListRow(int row) {
  QListWidgetItem* item = form_->List1->item(row);
  form_->List1->scrollToItem(item);
  QTest::mouseClick(form_->List1->viewport(), Qt::LeftButton, {},
                    form_->List1->visualItemRect(item).center());
}

void Form1BehaviourTest::SendMouse(QWidget* target, QEvent::Type type, QPoint at,
                                   Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// ---------------------------------------------------------------------------
// Start-up

void Form1BehaviourTest::startUpRegistersComponentsTwiceAndFillsTheWindow() {
  const QString folder = QStringLiteral("/opt/dial note");
  QStringList once;
  for (const char* file : {"MSWINSCK.ocx", "MS_XTools.ocx", "SkinControl.ocx"}) {
    once << QStringLiteral("RegSvr32 /s \"%1\\%2\"").arg(folder, QLatin1String(file));
  }
  QCOMPARE(runtime_.command_lines, once + once);

  QCOMPARE(form_->List1->count(), 201);
  QCOMPARE(form_->List1->item(0)->text(), QStringLiteral("600"));
  QCOMPARE(form_->List1->item(100)->text(), QStringLiteral("700"));
  QCOMPARE(form_->List1->item(200)->text(), QStringLiteral("800"));
  QCOMPARE(form_->List1->currentItem()->text(), QStringLiteral("600"));
  QCOMPARE(form_->Text1->text(), QStringLiteral("600"));
  QCOMPARE(QApplication::focusWidget(), form_->Text1);

  const QString caption = form_->Label2->text();
  QCOMPARE(caption, QStringLiteral("آي پي شما : ") + form_->Winsock1->LocalIP());
  QCOMPARE(form_->Label2->geometry().right() + 1, 331);  // grown to the left
  QVERIFY(form_->Label2->width() > 3);
  QVERIFY(form_->activated());
}

void Form1BehaviourTest::activationRunsOnlyOnce() {
  form_->hide();
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  QCOMPARE(runtime_.command_lines.size(), 6);
  QCOMPARE(form_->List1->count(), 201);
}

// ---------------------------------------------------------------------------
// Typing

void Form1BehaviourTest::typingIsFilteredAndNormalised_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("selected");
  QTest::newRow("a code is selected in the list") << "651"
                                                  << "651"
                                                  << "651";
  QTest::newRow("8 becomes 800 at once") << "8"
                                         << "800"
                                         << "800";
  QTest::newRow("5, 9, 9 becomes 600 on the third digit") << "599"
                                                          << "600"
                                                          << "600";
  QTest::newRow("9, 9, 9 becomes 800") << "999"
                                       << "800"
                                       << "800";
  QTest::newRow("two digits stay two digits") << "65"
                                              << "65"
                                              << "600";
  QTest::newRow("letters and spaces are discarded") << "7a b8c4"
                                                    << "784"
                                                    << "784";
  QTest::newRow("other scripts' digits are discarded")
      << QStringLiteral("\u06F7\u0668\u06F47") << "7"
      << "600";
  QTest::newRow("a fourth digit is refused") << "7001"
                                             << "700"
                                             << "700";
}

void Form1BehaviourTest::typingIsFilteredAndNormalised() {
  QFETCH(QString, keys);
  TypeIntoEntry(keys);
  QTEST(form_->Text1->text(), "text");
  QTEST(form_->List1->currentItem()->text(), "selected");
}

void Form1BehaviourTest::shortcutsForCopyCutAndPasteAreDiscarded() {
  QGuiApplication::clipboard()->setText(QStringLiteral("742"));
  form_->Text1->setFocus();
  form_->Text1->setText(QStringLiteral("65"));
  form_->Text1->setCursorPosition(2);
  QTest::keyClick(form_->Text1, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(form_->Text1->hasSelectedText(), false);
  QTest::keyClick(form_->Text1, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(form_->Text1, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(form_->Text1, Qt::Key_Z, Qt::ControlModifier);
  // Platforms that attach no text to Ctrl+V still type no paste.
  QTest::sendKeyEvent(QTest::Click, form_->Text1, Qt::Key_V, QString(), Qt::ControlModifier);
  QCOMPARE(form_->Text1->text(), QStringLiteral("65"));
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("742"));
}

void Form1BehaviourTest::keysWithoutACharacterEditAsUsual() {
  form_->Text1->setFocus();
  form_->Text1->setCursorPosition(3);
  QTest::keyClick(form_->Text1, Qt::Key_Home);
  QCOMPARE(form_->Text1->cursorPosition(), 0);
  QTest::keyClick(form_->Text1, Qt::Key_Delete);
  QCOMPARE(form_->Text1->text(), QStringLiteral("00"));
  QTest::keyClick(form_->Text1, Qt::Key_End);
  QTest::keyClick(form_->Text1, Qt::Key_Backspace);
  QCOMPARE(form_->Text1->text(), QStringLiteral("0"));
  QTest::keyClick(form_->Text1, Qt::Key_Left);
  QTest::keyClick(form_->Text1, Qt::Key_7);
  QCOMPARE(form_->Text1->text(), QStringLiteral("70"));
  QTest::keyClick(form_->Text1, Qt::Key_Return);
  QCOMPARE(form_->Text1->text(), QStringLiteral("70"));
}

void Form1BehaviourTest::pastingGoesPastTheFilterButNotPastThreeCharacters() {
  QGuiApplication::clipboard()->setText(QStringLiteral("7421"));
  form_->Text1->setFocus();
  form_->Text1->selectAll();
  QTest::keyClick(form_->Text1, Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(form_->Text1->text(), QStringLiteral("742"));
  QCOMPARE(form_->List1->currentItem()->text(), QStringLiteral("742"));

  QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
  form_->Text1->selectAll();
  form_->Text1->paste();
  QCOMPARE(form_->Text1->text(), QStringLiteral("800"));  // letters come after "800"
}

// ---------------------------------------------------------------------------
// The explanation

void Form1BehaviourTest::theExplanationFollowsTheEntryAtTheNextTick() {
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("600")));
  TypeIntoEntry(QStringLiteral("784"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("784")));
  TypeIntoEntry(QStringLiteral("746"));
  QTRY_COMPARE(form_->Text2->toPlainText(), QStringLiteral("."));
}

void Form1BehaviourTest::theExplanationHoldsWhileTheEntryHoldsNoCode() {
  TypeIntoEntry(QStringLiteral("601"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("601")));
  QTest::keyClick(form_->Text1, Qt::Key_Backspace);
  QCOMPARE(form_->Text1->text(), QStringLiteral("60"));
  QTest::qWait(30);  // many ticks
  QCOMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("601")));
  QTest::keyClick(form_->Text1, Qt::Key_2);
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("602")));
}

void Form1BehaviourTest::aSelectionInTheExplanationSurvivesTicksAndCanBeCopied() {
  TypeIntoEntry(QStringLiteral("784"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("784")));
  form_->Text2->setFocus();
  QTest::keyClick(form_->Text2, Qt::Key_A, Qt::ControlModifier);
  QTest::qWait(30);  // many ticks
  QCOMPARE(form_->Text2->textCursor().selectedText(), ExplanationOf(QStringLiteral("784")));
  QTest::keyClick(form_->Text2, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), ExplanationOf(QStringLiteral("784")));
  QTest::keyClick(form_->Text2, Qt::Key_X);
  QCOMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("784")));  // read-only
}

void Form1BehaviourTest::aForeignTextInTheExplanationIsReplaced() {
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("600")));
  form_->Text2->setPlainText(QStringLiteral("something else"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("600")));
}

// ---------------------------------------------------------------------------
// Steps and the list

void Form1BehaviourTest::stepButtonsCountAndWrap_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("text");
  QTest::newRow("up from 600") << "600"
                               << "Command1"
                               << "601";
  QTest::newRow("up from 800 stays") << "800"
                                     << "Command1"
                                     << "800";
  QTest::newRow("up from 99 wraps to 600") << "99"
                                           << "Command1"
                                           << "600";
  QTest::newRow("up from 7 gives 800") << "7"
                                       << "Command1"
                                       << "800";
  QTest::newRow("down from 800") << "800"
                                 << "Command2"
                                 << "799";
  QTest::newRow("down from 600 stays") << "600"
                                       << "Command2"
                                       << "600";
  QTest::newRow("down from 0 wraps to 800") << "0"
                                            << "Command2"
                                            << "800";
  QTest::newRow("down from 61 wraps to 800") << "61"
                                             << "Command2"
                                             << "800";
  QTest::newRow("a step on the empty entry keeps it empty") << ""
                                                            << "Command1"
                                                            << "";
}

void Form1BehaviourTest::stepButtonsCountAndWrap() {
  QFETCH(QString, start);
  QFETCH(QString, button);
  TypeIntoEntry(start);
  if (start.isEmpty()) QTest::keyClick(form_->Text1, Qt::Key_Backspace);
  QCOMPARE(form_->Text1->text(), start);
  QTest::mouseClick(form_->findChild<QWidget*>(button), Qt::LeftButton);
  QTEST(form_->Text1->text(), "text");
}

void Form1BehaviourTest::aMouseClickInTheListPicksTheCode() {
  TypeIntoEntry(QStringLiteral("6"));
  ClickListRow(142);
  QCOMPARE(form_->Text1->text(), QStringLiteral("742"));
  QCOMPARE(form_->List1->currentItem()->text(), QStringLiteral("742"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("742")));

  // A click on the entry that is already selected restores a partial text.
  TypeIntoEntry(QStringLiteral("74"));
  ClickListRow(142);
  QCOMPARE(form_->Text1->text(), QStringLiteral("742"));
}

void Form1BehaviourTest::arrowKeysInTheListPickTheCode() {
  form_->List1->setFocus();
  QTest::keyClick(form_->List1, Qt::Key_Down);
  QCOMPARE(form_->Text1->text(), QStringLiteral("601"));
  QTest::keyClick(form_->List1, Qt::Key_End);
  QCOMPARE(form_->Text1->text(), QStringLiteral("800"));
}

// The pass selects "600" when the entry is emptied; that selection made
// from code must not copy "600" back into the entry.
void Form1BehaviourTest::emptyingTheEntryLeavesItEmpty() {
  TypeIntoEntry(QStringLiteral("650"));
  QCOMPARE(form_->List1->currentItem()->text(), QStringLiteral("650"));
  QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("650")));
  for (int i = 0; i < 3; ++i) QTest::keyClick(form_->Text1, Qt::Key_Backspace);
  QCOMPARE(form_->Text1->text(), QString());
  QCOMPARE(form_->List1->currentItem()->text(), QStringLiteral("600"));
  QTest::qWait(20);  // many ticks
  QCOMPARE(form_->Text1->text(), QString());
  QCOMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("650")));
}

// ---------------------------------------------------------------------------
// Commands

void Form1BehaviourTest::aboutBoxShowsTheTitleTheMakerAndTheIcon_data() {
  QTest::addColumn<bool>("running_executable");
  QTest::newRow("the program's own icon") << true;
  QTest::newRow("the information icon when the executable yields none") << false;
}

void Form1BehaviourTest::aboutBoxShowsTheTitleTheMakerAndTheIcon() {
  QFETCH(bool, running_executable);
  if (running_executable) {
    app_ = std::make_unique<App>(QCoreApplication::applicationFilePath());
    form_ = std::make_unique<Form1>(runtime_, *app_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool has_pixmap = false;
  QWidget* owner = nullptr;
  QTimer::singleShot(0, this, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    title = box->windowTitle();
    text = box->text() + QLatin1Char('\n') + box->informativeText();
    icon = box->icon();
    has_pixmap = !box->iconPixmap().isNull();
    owner = box->parentWidget();
    box->accept();
  });
  QTest::mouseClick(form_->cmdabout, Qt::LeftButton);
  QCOMPARE(title, QStringLiteral("Dialnote ( دايالنوت )"));
  QVERIFY(text.contains(QString::fromUtf8(identity::kCopyrightLine.data(),
                                          qsizetype(identity::kCopyrightLine.size()))));
  QVERIFY(text.contains(
      QString::fromUtf8(identity::kWebAddress.data(), qsizetype(identity::kWebAddress.size()))));
  QCOMPARE(owner, form_.get());
  QVERIFY(has_pixmap);
  QCOMPARE(icon == QMessageBox::Information, !running_executable);
}

void Form1BehaviourTest::webButtonOpensTheMakersAddress() {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
  QTest::mouseClick(form_->web, Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  QCOMPARE(catcher.opened.size(), 1);
  QCOMPARE(
      catcher.opened.first().toString(),
      QString::fromUtf8(identity::kWebAddress.data(), qsizetype(identity::kWebAddress.size())));
  QCOMPARE(runtime_.ends, 0);
}

void Form1BehaviourTest::bothExitControlsEndTheProgram() {
  TypeIntoEntry(QStringLiteral("65"));
  QTest::mouseClick(form_->cmdexit, Qt::LeftButton);
  QCOMPARE(runtime_.ends, 1);
  QTest::mouseClick(form_->imgexit, Qt::LeftButton, {}, QPoint(10, 10));
  QCOMPARE(runtime_.ends, 2);
  // A press on the close image starts no drag.
  QCOMPARE(form_->dragX, qint16(0));
  QCOMPARE(form_->dragY, qint16(0));
}

void Form1BehaviourTest::draggingTheTitleStripMovesTheWindow_data() {
  QTest::addColumn<Qt::MouseButtons>("held");
  QTest::addColumn<QPoint>("offset");
  QTest::newRow("the left button moves by the mouse's offset")
      << Qt::MouseButtons(Qt::LeftButton) << QPoint(45, 15);
  QTest::newRow("the right button does not move")
      << Qt::MouseButtons(Qt::RightButton) << QPoint(0, 0);
  QTest::newRow("both buttons do not move")
      << Qt::MouseButtons(Qt::LeftButton | Qt::RightButton) << QPoint(0, 0);
}

// Pressed at (20, 13) on the title strip, over the title text, and moved to
// (65, 28).
void Form1BehaviourTest::draggingTheTitleStripMovesTheWindow() {
  QFETCH(Qt::MouseButtons, held);
  const QPoint start = form_->pos();
  const Qt::MouseButton pressed = held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
  SendMouse(form_->lbTitleBar, QEvent::MouseButtonPress, {20, 13}, pressed, pressed);
  if (pressed == Qt::LeftButton) {
    QCOMPARE(form_->dragX, qint16(300));
    QCOMPARE(form_->dragY, qint16(195));
  }
  SendMouse(form_->lbTitleBar, QEvent::MouseMove, {65, 28}, Qt::NoButton, held);
  SendMouse(form_->lbTitleBar, QEvent::MouseButtonRelease, {65, 28}, pressed, Qt::NoButton);
  QFETCH(QPoint, offset);
  QCOMPARE(form_->pos(), start + offset);
}

}  // namespace dialnote

QTEST_MAIN(dialnote::Form1BehaviourTest)
#include "form1_behaviour_test.moc"
