// Form2 at work: the captions it writes when loaded, the blinking name, the
// version line, the hand-over to the main window and the title-strip drag.
// Timer ticks are delivered at once rather than waited for.
#include <QMouseEvent>
#include <QtTest>

#include "app/application_shell.h"
#include "main_window/form1.h"
#include "platform/identity.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

// One tick of `timer`, delivered now.
void Tick(QTimer* timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Records, in order, the main window being shown and the splash closing.
class WindowEvents : public QObject {
 public:
  QStringList seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form1")) {
      seen.append(QStringLiteral("Form1 shown"));
    } else if (event->type() == QEvent::Close && watched->objectName() == QLatin1String("Form2")) {
      seen.append(QStringLiteral("Form2 closed"));
    }
    return false;
  }
};

}  // namespace

class Form2BehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void loadingWritesTheFourCaptions_data();
  void loadingWritesTheFourCaptions();
  void theAuthorsNameBlinks_data();
  void theAuthorsNameBlinks();
  void versionCaption_data();
  void versionCaption();
  void timer3WritesTheProgramsVersion();
  void timer2ShowsTheMainWindowThenUnloadsTheSplash();
  void draggingTheTitleStripMovesTheSplash_data();
  void draggingTheTitleStripMovesTheSplash();

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<App> app_;
  std::unique_ptr<ApplicationShell> shell_;
  QPointer<Form2> form_;
};

void Form2BehaviourTest::init() {
  runtime_ = {};
  app_ = std::make_unique<App>(QStringLiteral("/opt/dialnote/dialnote"));
  shell_ = std::make_unique<ApplicationShell>(runtime_, *app_);
  shell_->Start();
  form_ = shell_->Splash();
  QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void Form2BehaviourTest::cleanup() { shell_.reset(); }

// ---------------------------------------------------------------------------

void Form2BehaviourTest::loadingWritesTheFourCaptions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  // The word for version, a space, a colon, two spaces, three spaced full
  // stops, two spaces: 15 characters.
  QTest::newRow("the version line holds the placeholder")
      << "Label1" << QStringLiteral("\u0646\u0633\u062E\u0647 :  . . .  ");
  QTest::newRow("the authors' name")
      << "Label2"
      << QString::fromUtf16(identity::kAuthors.data(),
                            static_cast<qsizetype>(identity::kAuthors.size()));
  QTest::newRow("the maker's copyright line") << "Label3" << FromUtf8(identity::kCopyrightLine);
  QTest::newRow("the maker's web address") << "Label4" << FromUtf8(identity::kWebAddress);
}

void Form2BehaviourTest::loadingWritesTheFourCaptions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QVERIFY(!caption.isEmpty());
  QCOMPARE(form_->findChild<AutoSizeLabel*>(name)->Caption(), caption);
  QCOMPARE(form_->Label1->Caption().size(), 15);
  QCOMPARE(form_->Label2->ForeColor(), 32768u);  // green until the first tick
}

void Form2BehaviourTest::theAuthorsNameBlinks_data() {
  QTest::addColumn<OleColor>("start");
  QTest::addColumn<int>("ticks");
  QTest::addColumn<OleColor>("colour");
  QTest::newRow("the first tick turns the green name red") << 32768u << 1 << 255u;
  QTest::newRow("the second tick turns it green again") << 32768u << 2 << 32768u;
  QTest::newRow("five ticks leave it red") << 32768u << 5 << 255u;
  QTest::newRow("red turns green") << 255u << 1 << 32768u;
  QTest::newRow("a foreign colour turns green") << 0x123456u << 1 << 32768u;
  QTest::newRow("black turns green, then red") << 0u << 2 << 255u;
}

void Form2BehaviourTest::theAuthorsNameBlinks() {
  QFETCH(OleColor, start);
  QFETCH(int, ticks);
  form_->Label2->SetForeColor(start);
  for (int tick = 0; tick < ticks; ++tick) {
    Tick(form_->Timer1);
  }
  QTEST(form_->Label2->ForeColor(), "colour");
}

void Form2BehaviourTest::versionCaption_data() {
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<int>("revision");
  QTest::addColumn<QString>("caption");
  const QString word = QStringLiteral("\u0646\u0633\u062E\u0647 :");
  QTest::newRow("this build, 2.0.0") << 2 << 0 << 0 << word + " 2.0.0 ";
  QTest::newRow("two digits without zero-filling") << 10 << 3 << 7 << word + " 10.3.7 ";
  QTest::newRow("a negative number keeps its minus sign")
      << -1 << 0 << 32767 << word + " -1.0.32767 ";
}

void Form2BehaviourTest::versionCaption() {
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(int, revision);
  QTEST(VersionCaption(static_cast<qint16>(major), static_cast<qint16>(minor),
                       static_cast<qint16>(revision)),
        "caption");
}

void Form2BehaviourTest::timer3WritesTheProgramsVersion() {
  const int right = form_->Label1->geometry().right();
  const QString version = QStringLiteral("\u0646\u0633\u062E\u0647 : 2.0.0 ");
  Tick(form_->Timer3);
  QCOMPARE(form_->Label1->Caption(), version);
  Tick(form_->Timer3);
  QCOMPARE(form_->Label1->Caption(), version);
  QCOMPARE(form_->Label1->geometry().right(), right);
}

// Showing the main window creates it (its Form_Initialize registers the
// three components) and activates it once (three more, the list, "600").
void Form2BehaviourTest::timer2ShowsTheMainWindowThenUnloadsTheSplash() {
  WindowEvents events;
  qApp->installEventFilter(&events);
  QSignalSpy shown(shell_.get(), &ApplicationShell::MainWindowShown);
  QVERIFY(runtime_.command_lines.isEmpty());

  Tick(form_->Timer2);
  QVERIFY(!form_.isNull());  // unloading deletes it later, from the event loop
  for (const QTimer* timer : {form_->Timer1, form_->Timer2, form_->Timer3}) {
    QVERIFY(!timer->isActive());
  }
  Tick(form_->Timer2);  // no handler of an unloaded window runs
  qApp->removeEventFilter(&events);

  QCOMPARE(events.seen, QStringList({"Form1 shown", "Form2 closed"}));
  QCOMPARE(shown.count(), 1);
  Form1* main = shell_->MainForm();
  QVERIFY(main != nullptr);
  QCOMPARE(shown.first().first().value<Form1*>(), main);
  QVERIFY(main->isVisible());
  QVERIFY(main->activated());
  QCOMPARE(runtime_.command_lines.size(), 6);
  QCOMPARE(main->List1->count(), 201);
  QCOMPARE(main->List1->currentItem()->text(), QStringLiteral("600"));
  QTRY_VERIFY(form_.isNull());
  QCOMPARE(shell_->Splash(), nullptr);
  int main_windows = 0;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    main_windows += qobject_cast<const Form1*>(window) != nullptr ? 1 : 0;
  }
  QCOMPARE(main_windows, 1);
  QCOMPARE(&shell_->ShowMainForm(), main);  // asked for again, the same window
}

void Form2BehaviourTest::draggingTheTitleStripMovesTheSplash_data() {
  QTest::addColumn<Qt::MouseButton>("pressed");
  QTest::addColumn<Qt::MouseButtons>("held");
  QTest::addColumn<QPoint>("moved_by");
  QTest::newRow("the left button drags the window along")
      << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << QPoint(3, 1);
  QTest::newRow("the right button moves nothing")
      << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << QPoint(0, 0);
  QTest::newRow("the left button with the right one moves nothing")
      << Qt::LeftButton << (Qt::LeftButton | Qt::RightButton) << QPoint(0, 0);
}

// A press on the strip at pixel (20, 13), 300 x 195 twips, then a move of
// 45 x 15 twips (3 x 1 pixels).
void Form2BehaviourTest::draggingTheTitleStripMovesTheSplash() {
  QFETCH(Qt::MouseButton, pressed);
  QFETCH(Qt::MouseButtons, held);
  QWidget* strip = form_->lbTitleBar;
  const QPoint start = form_->pos();
  const QPoint press_at(20, 13);
  QMouseEvent press(QEvent::MouseButtonPress, press_at, strip->mapToGlobal(press_at), pressed,
                    pressed, Qt::NoModifier);
  QApplication::sendEvent(strip, &press);
  const QPoint move_to = press_at + QPoint(3, 1);
  QMouseEvent move(QEvent::MouseMove, move_to, strip->mapToGlobal(move_to), Qt::NoButton, held,
                   Qt::NoModifier);
  QApplication::sendEvent(strip, &move);
  QTEST(form_->pos() - start, "moved_by");
  const bool left = pressed == Qt::LeftButton;
  QCOMPARE(form_->dragX, qint16(left ? 300 : 0));
  QCOMPARE(form_->dragY, qint16(left ? 195 : 0));
}

}  // namespace dialnote

QTEST_MAIN(dialnote::Form2BehaviourTest)
#include "form2_behaviour_test.moc"
