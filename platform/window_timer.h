// SPDX-License-Identifier: GPL-3.0-or-later
// A timer that behaves as the platform's window timers do, for a poll that
// asks for the shortest period there is. On Windows it is a window timer
// (SetTimer): an interval below the system's minimum (10 ms) is raised to
// it, and the ticks come on the system clock's, as the program's timers
// always came there. Qt would put such a short interval on the multimedia
// timer, which wakes the machine a thousand times a second and raises the
// system's timer resolution for as long as the window is open. Elsewhere
// it is Qt's precise timer, whose 1 ms is that facility's shortest period.
#pragma once

#include <QObject>
#ifndef Q_OS_WIN
#include <QTimer>
#endif

namespace dialnote {

class WindowTimer : public QObject {
  Q_OBJECT

 public:
  explicit WindowTimer(QObject* parent = nullptr);
  ~WindowTimer() override;

  // The interval asked for, in milliseconds; the platform may fire less
  // often. A change takes effect at once on a running timer.
  void setInterval(int milliseconds);
  [[nodiscard]] int interval() const { return interval_; }

  void start();
  void stop();
  [[nodiscard]] bool isActive() const;

 signals:
  void timeout();

 private:
  int interval_ = 0;
#ifdef Q_OS_WIN
  quintptr id_ = 0;  // the system's id of the running timer, 0 when stopped
#else
  QTimer timer_;
#endif
};

}  // namespace dialnote
