// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_timer.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QHash>
#endif

namespace dialnote {

#ifdef Q_OS_WIN

namespace {

// The running timers of this thread by their system ids. A thread timer's
// WM_TIMER carries only its id; Qt's event loop dispatches the message, and
// DispatchMessage calls the timer procedure with it. A tick already queued
// when its timer stops finds no entry and is dropped (unless the system has
// meanwhile given the id to another timer, which then ticks once early).
thread_local QHash<UINT_PTR, WindowTimer*> running_timers;

void CALLBACK TimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR id, DWORD /*time*/) {
  if (WindowTimer* timer = running_timers.value(id)) emit timer->timeout();
}

}  // namespace

WindowTimer::WindowTimer(QObject* parent) : QObject(parent) {}

WindowTimer::~WindowTimer() { stop(); }

void WindowTimer::start() {
  // A thread timer (no window): its id is the system's to choose. Given the
  // id of this running timer, the system restarts it in place, so no tick
  // queued under the old setting can reach another timer.
  const UINT_PTR id = SetTimer(nullptr, id_, static_cast<UINT>(qMax(interval_, 0)), &TimerProc);
  if (id != 0 && id == id_) return;
  const DWORD error = GetLastError();
  stop();
  if (id == 0) {
    qWarning("WindowTimer: SetTimer failed, error %lu", error);
    return;
  }
  id_ = id;
  running_timers.insert(id_, this);
}

void WindowTimer::stop() {
  if (id_ == 0) return;
  KillTimer(nullptr, id_);
  running_timers.remove(id_);
  id_ = 0;
}

bool WindowTimer::isActive() const { return id_ != 0; }

void WindowTimer::setInterval(int milliseconds) {
  interval_ = milliseconds;
  if (isActive()) start();
}

#else

WindowTimer::WindowTimer(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &WindowTimer::timeout);
}

WindowTimer::~WindowTimer() = default;

void WindowTimer::start() { timer_.start(interval_); }

void WindowTimer::stop() { timer_.stop(); }

bool WindowTimer::isActive() const { return timer_.isActive(); }

void WindowTimer::setInterval(int milliseconds) {
  interval_ = milliseconds;
  timer_.setInterval(milliseconds);
}

#endif

}  // namespace dialnote
