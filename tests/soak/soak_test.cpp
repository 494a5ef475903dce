// Soak: the main window under a real X display, hammered for a bounded time
// with random typing (through the X server with xdotool where it is
// installed, and as Qt key events of any code unit), pastes of hostile text
// (right-to-left marks, lone and paired surrogates, four and more
// characters), clicks on every control, list scrolling and title-strip
// drags. After every action the entry holds at most three characters and
// the explanation box a catalogue explanation.
//
// DIALNOTE_SOAK_SECONDS sets the time (default 60); DIALNOTE_SOAK_SEED the
// random seed (default: the time, printed so that a failure can be replayed).
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QWheelEvent>
#include <QtTest>
#include <set>

#include "catalogue/error_catalogue.h"
#include "main_window/form1.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

// Takes the addresses the web-site button opens, so no browser starts.
class UrlSink : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& /*url*/) {}
};

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void survivesRandomUseForTheWholeTime();

 private:
  QString RandomText(int min_length, int max_length);
  void TypeThroughX();
  void TypeAsQtEvents();
  void Paste();
  void ClickSomewhere();
  void ScrollTheList();
  void DragTheTitleStrip();
  void StepButtons();
  QString Broken() const;

  QRandomGenerator random_;
  testing::RecordingRuntime runtime_;
  UrlSink urls_;
  std::unique_ptr<Form1> form_;
  std::set<QString> explanations_;
  QString xdotool_;
};

void SoakTest::initTestCase() {
  QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
           "the soak runs on a real X display (xvfb-run)");
  const quint32 seed =
      qEnvironmentVariableIsSet("DIALNOTE_SOAK_SEED")
          ? static_cast<quint32>(qEnvironmentVariableIntValue("DIALNOTE_SOAK_SEED"))
          : static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
  qInfo("soak seed %u", seed);
  random_.seed(seed);
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    explanations_.insert(QString::fromUtf16(entry.explanation.data(),
                                            static_cast<qsizetype>(entry.explanation.size())));
  }
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls_, "Open");
  xdotool_ = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  form_ = std::make_unique<Form1>(runtime_, App(QStringLiteral("/opt/dialnote/dialnote")));
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  form_->activateWindow();
  QTRY_VERIFY(explanations_.contains(form_->Text2->toPlainText()));
}

void SoakTest::cleanupTestCase() {
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  form_.reset();
}

QString SoakTest::RandomText(int min_length, int max_length) {
  static const char16_t kHostile[] = {u'\u200F', u'\u200E', u'\u202E', u'\u06F7', u'\u0667',
                                      u'\uFF18', u'\uFEFF', u' ',      u'\t',     u'\n',
                                      u'8',      u'0',      u'6',      u'7'};
  QString text;
  const int length = random_.bounded(min_length, max_length + 1);
  for (int i = 0; i < length; ++i) {
    switch (random_.bounded(5)) {
      case 0:  // a paired surrogate: one character outside the basic plane
        text += QString::fromUcs4(U"\U0001F600");
        break;
      case 1:  // a lone surrogate
        text += QChar(static_cast<char16_t>(random_.bounded(0xD800, 0xE000)));
        break;
      case 2:
        text += QChar(kHostile[random_.bounded(static_cast<int>(std::size(kHostile)))]);
        break;
      default:
        text += QChar(static_cast<char16_t>(u'0' + random_.bounded(10)));
    }
  }
  return text;
}

void SoakTest::TypeThroughX() {
  if (xdotool_.isEmpty()) return TypeAsQtEvents();
  static const QStringList kKeys = {
      "0",     "6",    "7",     "8",      "9",     "a",      "BackSpace", "Delete", "Home",
      "End",   "Left", "Right", "Return", "space", "ctrl+v", "ctrl+a",    "ctrl+x", "shift+Insert",
      "Escape"};
  form_->Text1->setFocus();
  QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("1")};
  for (int i = random_.bounded(1, 5); i > 0; --i)
    arguments << kKeys.at(random_.bounded(kKeys.size()));
  QProcess::execute(xdotool_, arguments);
  QTest::qWait(5);
}

void SoakTest::TypeAsQtEvents() {
  form_->Text1->setFocus();
  if (random_.bounded(3) == 0) form_->Text1->selectAll();
  const QChar unit(static_cast<char16_t>(random_.bounded(0x10000)));
  QTest::sendKeyEvent(QTest::Click, form_->Text1, Qt::Key_unknown, QString(unit), Qt::NoModifier);
}

void SoakTest::Paste() {
  QGuiApplication::clipboard()->setText(RandomText(1, 12));
  form_->Text1->setFocus();
  if (random_.bounded(2) == 0) form_->Text1->selectAll();
  if (random_.bounded(2) == 0) {
    QTest::keyClick(form_->Text1, Qt::Key_Insert, Qt::ShiftModifier);
  } else {
    form_->Text1->paste();  // the context menu's Paste
  }
}

void SoakTest::ClickSomewhere() {
  const QList<QWidget*> controls = {form_->Text1,    form_->List1->viewport(),
                                    form_->Text2,    form_->Command1,
                                    form_->Command2, form_->Label1,
                                    form_->Label2,   form_->Label3,
                                    form_->Image1,   form_->web,
                                    form_->cmdexit,  form_->cmdabout,
                                    form_->imgexit,  form_->lbTitleBar,
                                    form_.get()};
  QWidget* target = controls.at(random_.bounded(controls.size()));
  const QPoint at(random_.bounded(qMax(1, target->width())),
                  random_.bounded(qMax(1, target->height())));
  if (target == form_->cmdabout) {
    // The about box is modal: close it as soon as it shows.
    QTimer::singleShot(0, form_.get(), [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
  }
  QTest::mouseClick(target, random_.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();  // a context menu
}

void SoakTest::ScrollTheList() {
  const QPoint centre = form_->List1->viewport()->rect().center();
  const int delta = random_.bounded(2) == 0 ? 120 : -120;
  QWheelEvent wheel(QPointF(centre), QPointF(form_->List1->viewport()->mapToGlobal(centre)),
                    QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(form_->List1->viewport(), &wheel);
  if (random_.bounded(3) == 0) {
    form_->List1->setFocus();
    QTest::keyClick(form_->List1, random_.bounded(2) == 0 ? Qt::Key_PageDown : Qt::Key_Up);
  }
}

void SoakTest::DragTheTitleStrip() {
  QWidget* strip = form_->lbTitleBar;
  const QPoint from(random_.bounded(30, 300), random_.bounded(strip->height()));
  const QPoint to = from + QPoint(random_.bounded(-40, 41), random_.bounded(-40, 41));
  QTest::mousePress(strip, Qt::LeftButton, {}, from);
  QTest::mouseMove(strip, to);
  QTest::mouseRelease(strip, Qt::LeftButton, {}, to);
}

void SoakTest::StepButtons() {
  QTest::mouseClick(random_.bounded(2) == 0 ? form_->Command1 : form_->Command2, Qt::LeftButton);
}

QString SoakTest::Broken() const {
  if (form_->Text1->text().size() > 3) return QStringLiteral("the entry holds four characters");
  if (!explanations_.contains(form_->Text2->toPlainText())) {
    return QStringLiteral("the explanation box holds no explanation");
  }
  return {};
}

void SoakTest::survivesRandomUseForTheWholeTime() {
  const int seconds = qEnvironmentVariableIsSet("DIALNOTE_SOAK_SECONDS")
                          ? qEnvironmentVariableIntValue("DIALNOTE_SOAK_SECONDS")
                          : 60;
  QElapsedTimer clock;
  clock.start();
  long actions = 0;
  while (clock.elapsed() < seconds * 1000LL) {
    switch (random_.bounded(7)) {
      case 0:
        TypeThroughX();
        break;
      case 1:
        TypeAsQtEvents();
        break;
      case 2:
        Paste();
        break;
      case 3:
        ClickSomewhere();
        break;
      case 4:
        ScrollTheList();
        break;
      case 5:
        DragTheTitleStrip();
        break;
      default:
        StepButtons();
    }
    QTest::qWait(random_.bounded(3));  // ticks of the poll run in between
    ++actions;
    const QString broken = Broken();
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("%1 after %2 actions (entry \"%3\")")
                                              .arg(broken)
                                              .arg(actions)
                                              .arg(form_->Text1->text())));
  }
  qInfo("soak: %ld actions in %d s, %d exits asked for", actions, seconds, runtime_.ends);
  QVERIFY(form_->isVisible());
}

}  // namespace dialnote

QTEST_MAIN(dialnote::SoakTest)
#include "soak_test.moc"
