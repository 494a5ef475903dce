// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: the main window on a real X display, for a bounded time, under random
// keys (through the X server with xdotool where it is installed, and as Qt
// key events of any code unit), pastes of hostile text (direction marks, lone
// and paired surrogates, too many characters), clicks on every control, list
// scrolling and title-strip drags. After every action the entry holds at most
// three characters and the explanation box a catalogue explanation.
// DIALNOTE_SOAK_SECONDS sets the time (default 60); DIALNOTE_SOAK_SEED the
// seed (default: the time, printed so that a failure can be replayed).
#include <QClipboard>
#include <QDesktopServices>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include "catalogue/error_catalogue.h"
#include "main_window/form1.h"
#include "platform/qt_text.h"
#include "tests/recording_runtime.h"

namespace dialnote {

class SoakTest : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& /*url*/) {}  // the browser, which opens nothing

 private slots:
  void survivesRandomUseForTheWholeTime() {
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "run under xvfb-run");
    const auto seed = static_cast<quint32>(qEnvironmentVariableIsSet("DIALNOTE_SOAK_SEED")
                                               ? qEnvironmentVariableIntValue("DIALNOTE_SOAK_SEED")
                                               : QDateTime::currentMSecsSinceEpoch());
    qInfo("soak seed %u", seed);
    random_.seed(seed);
    QSet<QString> explanations;
    for (const CatalogueEntry& entry : ErrorCatalogue::WindowsEntries()) {
      explanations.insert(ToQString(entry.explanation));
    }
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
    testing::RecordingRuntime runtime;
    Form1 form(runtime, App(QStringLiteral("/opt/dialnote/dialnote")));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(explanations.contains(form.Text2->toPlainText()));
    const int seconds = qEnvironmentVariableIntValue("DIALNOTE_SOAK_SECONDS");
    QElapsedTimer clock;
    clock.start();
    long actions = 0;
    while (clock.elapsed() < (seconds > 0 ? seconds : 60) * 1000LL) {
      Act(form);
      QTest::qWait(random_.bounded(3));  // ticks of the poll run in between
      ++actions;
      QVERIFY2(form.Text1->text().size() <= 3 && explanations.contains(form.Text2->toPlainText()),
               qPrintable(QStringLiteral("after %1 actions the entry holds \"%2\", the box \"%3\"")
                              .arg(actions)
                              .arg(form.Text1->text(), form.Text2->toPlainText())));
    }
    qInfo("soak: %ld actions, %d exits asked for", actions, runtime.ends);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  }

 private:
  void Act(Form1& form) {
    static const QString kXdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    static const QStringList kXKeys =
        QStringLiteral("0 6 8 9 a space BackSpace Delete Home Return ctrl+v ctrl+x shift+Insert")
            .split(QLatin1Char(' '));
    static const QString kHostile = QStringLiteral("\u200F\u202E\u06F7\u0667\uFF18\uFEFF \n8067");
    const int action = random_.bounded(6);
    if (action == 0 && !kXdotool.isEmpty()) {  // keys through the X server
      form.Text1->setFocus();
      QStringList arguments = QStringLiteral("key --delay 1").split(QLatin1Char(' '));
      for (int i = random_.bounded(1, 5); i > 0; --i) {
        arguments << kXKeys.at(random_.bounded(kXKeys.size()));
      }
      QProcess::execute(kXdotool, arguments);
    } else if (action <= 1) {  // any code unit, as a key of some keyboard
      if (random_.bounded(3) == 0) form.Text1->selectAll();
      const QChar unit(static_cast<char16_t>(random_.bounded(0x10000)));
      QTest::sendKeyEvent(QTest::Click, form.Text1, Qt::Key_unknown, QString(unit), {});
    } else if (action == 2) {  // a paste, by Shift+Insert or the context menu
      QString text;
      for (int i = random_.bounded(1, 13); i > 0; --i) {
        const int kind = random_.bounded(4);
        text += kind == 0   ? QString::fromUcs4(U"\U0001F600")  // a paired surrogate
                : kind == 1 ? QString(QChar(static_cast<char16_t>(random_.bounded(0xD800, 0xE000))))
                            : QString(kHostile.at(random_.bounded(kHostile.size())));
      }
      QGuiApplication::clipboard()->setText(text);
      if (random_.bounded(2) == 0) form.Text1->selectAll();
      random_.bounded(2) ? QTest::keyClick(form.Text1, Qt::Key_Insert, Qt::ShiftModifier)
                         : form.Text1->paste();
    } else if (action == 3) {  // a click on any control; any modal window closes at once
      QWidgetList controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      controls << form.List1->viewport() << &form;
      QWidget* target = controls.at(random_.bounded(controls.size()));
      QTimer::singleShot(0, &form, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();  // ends exec() too
      });
      const QPoint at(random_.bounded(target->width()), random_.bounded(target->height()));
      QTest::mouseClick(target, random_.bounded(4) ? Qt::LeftButton : Qt::RightButton, {}, at);
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();  // a context menu
    } else if (action == 4) {  // the wheel or a key in the list
      QWidget* list = form.List1->viewport();
      const QPointF centre = list->rect().center();
      QWheelEvent wheel(centre, list->mapToGlobal(centre), {}, {0, random_.bounded(2) ? 120 : -120},
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
      QApplication::sendEvent(list, &wheel);
      QTest::keyClick(form.List1, random_.bounded(2) ? Qt::Key_PageDown : Qt::Key_Up);
    } else {  // a drag of the title strip
      const QPoint from(random_.bounded(30, 300), random_.bounded(form.lbTitleBar->height()));
      const QPoint to = from + QPoint(random_.bounded(-40, 41), random_.bounded(-40, 41));
      QTest::mousePress(form.lbTitleBar, Qt::LeftButton, {}, from);
      QTest::mouseMove(form.lbTitleBar, to);
      QTest::mouseRelease(form.lbTitleBar, Qt::LeftButton, {}, to);
    }
  }

  QRandomGenerator random_;
};

}  // namespace dialnote

QTEST_MAIN(dialnote::SoakTest)
#include "soak_test.moc"
