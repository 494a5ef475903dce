// SPDX-License-Identifier: GPL-3.0-or-later
// The poll's timer as the platform runs it: on Windows a window timer, whose
// 1 ms the system raises to its shortest period; elsewhere Qt's precise timer.
#include "platform/window_timer.h"

#include <QElapsedTimer>
#include <QtTest>

namespace dialnote {
namespace {

// How often `timer` ticks while the event loop runs for `milliseconds`.
int TicksWithin(WindowTimer& timer, int milliseconds) {
  int ticks = 0;
  const QMetaObject::Connection counting =
      QObject::connect(&timer, &WindowTimer::timeout, [&ticks] { ++ticks; });
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  QObject::disconnect(counting);
  return ticks;
}

}  // namespace

class WindowTimerTest : public QObject {
  Q_OBJECT

 private slots:
  // Started, stopped, started again, and its interval changed while it runs;
  // each timer for itself, and one destroyed while running, with ticks
  // possibly queued, ticks no more.
  void aTimerTicksAtItsIntervalOnlyWhileStarted() {
    auto* timer = new WindowTimer;
    WindowTimer slow;
    slow.setInterval(100000);
    slow.start();
    QCOMPARE(timer->interval(), 0);  // nothing asked for yet, as with QTimer
    timer->setInterval(400);
    QCOMPARE(TicksWithin(*timer, 100), 0);
    timer->start();
    QVERIFY(timer->isActive());
    QCOMPARE(TicksWithin(*timer, 250), 0);
    timer->setInterval(1);  // takes effect at once
    QCOMPARE(timer->interval(), 1);
    QVERIFY(TicksWithin(*timer, 250) > 3);
    timer->stop();
    QVERIFY(!timer->isActive());
    QCOMPARE(TicksWithin(*timer, 100), 0);
    timer->start();
    int ticks = 0;
    connect(timer, &WindowTimer::timeout, this, [&ticks] { ++ticks; });
    QTRY_VERIFY(ticks > 3);
    delete timer;
    const int before = ticks;
    QCOMPARE(TicksWithin(slow, 100), 0);
    QCOMPARE(ticks, before);
  }
};

}  // namespace dialnote

QTEST_MAIN(dialnote::WindowTimerTest)
#include "window_timer_test.moc"
