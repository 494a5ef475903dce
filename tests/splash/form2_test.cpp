// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window at work, as the application shell starts it; timer ticks
// are delivered at once. How it looks is tests/gui's business.
#include "splash/form2.h"

#include <QAccessible>
#include <QtTest>

#include "app/application_shell.h"
#include "main_window/form1.h"
#include "tests/recording_runtime.h"
#include "tests/window_testing.h"

namespace dialnote {
namespace {

using testing::Tick;

QStringList VisibleWindows() {
  QStringList names;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) names.append(window->objectName());
  }
  return names;
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    runtime_ = {};
    shell_ = std::make_unique<ApplicationShell>(runtime_, App(QStringLiteral("/opt/dialnote/x")));
    shell_->Start();
    form_ = shell_->Splash();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
  }

  void cleanup() { shell_.reset(); }

  void theSplashComesFirstAloneAndOnce() {
    shell_->Start();
    QCOMPARE(shell_->Splash(), form_.data());
    QCOMPARE(VisibleWindows(), QStringList{"Form2"});
    QCOMPARE(form_->windowFlags() & (Qt::WindowType_Mask | Qt::FramelessWindowHint),
             Qt::Tool | Qt::FramelessWindowHint);  // borderless, without a taskbar button
    QCOMPARE(shell_->MainForm(), nullptr);
    QVERIFY(runtime_.command_lines.isEmpty());
    // Untitled, as the design has it, yet a screen reader names the program.
    QCOMPARE(QAccessible::queryAccessibleInterface(form_.data())->text(QAccessible::Name),
             QStringLiteral("دايالنوت"));
  }

  // The name blinks green and red at each tick of its half-second timer; the
  // version line waits 1.5 s, the hand-over 5 s.
  void theNameBlinksAndTheVersionLineFollows() {
    QCOMPARE(QList<int>(
                 {form_->Timer1->interval(), form_->Timer3->interval(), form_->Timer2->interval()}),
             QList<int>({500, 1500, 5000}));
    QStringList seen;
    const auto look = [&] {
      seen << QString::number(form_->Label2->ForeColor(), 16) + ' ' + form_->Label1->text();
    };
    look();
    for (WindowTimer* timer : {form_->Timer1, form_->Timer1, form_->Timer3}) {
      Tick(timer);
      look();
    }
    QCOMPARE(seen,
             QStringList({"8000 نسخه :  . . .  ", "ff نسخه :  . . .  ", "8000 نسخه :  . . .  ",
                          "8000 نسخه : 2.0.0 "}));  // red in the low byte
  }

  // The main window shows before the splash closes, and the splash's timers stop.
  void theHandOverShowsTheMainWindowThenUnloadsTheSplash() {
    QStringList seen;
    connect(shell_.get(), &ApplicationShell::MainWindowShown, this, [&](Form1* main) {
      seen << QStringLiteral("main window visible: %1, splash visible: %2")
                  .arg(main == shell_->MainForm() && main->isVisible())
                  .arg(form_ && form_->isVisible());
    });
    Tick(form_->Timer2);
    for (WindowTimer* timer : {form_->Timer1, form_->Timer2, form_->Timer3}) {
      QVERIFY(!timer->isActive());
    }
    Tick(form_->Timer2);
    QCOMPARE(seen, QStringList{"main window visible: 1, splash visible: 1"});
    QVERIFY(shell_->MainForm()->activated());
    QCOMPARE(runtime_.command_lines.size(), 6);
    QTRY_VERIFY(form_.isNull());
    QCOMPARE(shell_->Splash(), nullptr);
    QCOMPARE(&shell_->ShowMainForm(), shell_->MainForm());  // asked for again, the same window
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
  }

  void endingDuringTheSplashLeavesNoWindow() {
    shell_.reset();
    QVERIFY(form_.isNull());
    QCOMPARE(VisibleWindows(), QStringList());
  }

  // (The other buttons are the main window's test: the drag is the same.)
  void theTitleStripDragsTheWindowAlong() {
    QCOMPARE(form_->childAt(250, 13), form_->lbTitleBar);
    const QPoint start = form_->pos();
    const QPointF from = form_->lbTitleBar->mapFrom(form_.data(), QPointF(250, 13));
    testing::Drag(form_->lbTitleBar, from, from + QPointF(3, 1), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(form_->pos() - start, QPoint(3, 1));
  }

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<ApplicationShell> shell_;
  QPointer<Form2> form_;
};

}  // namespace dialnote

QTEST_MAIN(dialnote::Form2Test)
#include "form2_test.moc"
