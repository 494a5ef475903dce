// SPDX-License-Identifier: GPL-3.0-or-later
// Idle cost of the main window: Form1 shown and ticking at 1 ms, against a
// bare Qt 1 ms timer with an empty slot in the same kind of process (a Qt
// Widgets program with a window on screen). Both run side by side for the
// same time; the probe prints each one's CPU time and the ratio.
//
//   idle_cost_probe [seconds]           runs both and prints the ratio
//   idle_cost_probe --child form1|bare seconds
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <ctime>
#ifdef _WIN32
#include <windows.h>
#endif

#include "main_window/form1.h"
#include "tests/recording_runtime.h"

namespace {

// The process's CPU time. Windows' clock() counts wall time, so there the
// kernel's own account is read.
double CpuSeconds() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime);
  };
  return (ticks(kernel) + ticks(user)) / 1e7;  // 100 ns ticks
#else
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

int RunChild(int argc, char** argv, const QString& kind, int seconds) {
  QApplication application(argc, argv);
  dialnote::testing::RecordingRuntime runtime;  // starts nothing
  std::unique_ptr<QWidget> window;
  QTimer bare_timer;
  if (kind == QLatin1String("form1")) {
    window = std::make_unique<dialnote::Form1>(runtime);
  } else {
    window = std::make_unique<QWidget>();
    window->resize(348, 429);
    bare_timer.setTimerType(Qt::PreciseTimer);
    bare_timer.setInterval(1);
    QObject::connect(&bare_timer, &QTimer::timeout, &application, [] {});
    bare_timer.start();
  }
  window->show();
  // The count starts once the window is on the screen and drawn, so that
  // start-up work is not taken for idle cost.
  constexpr int kSettleMs = 1000;
  double start = 0;
  QTimer::singleShot(kSettleMs, &application, [&start] { start = CpuSeconds(); });
  QTimer::singleShot(kSettleMs + seconds * 1000, &application, &QCoreApplication::quit);
  QApplication::exec();
  std::printf("%.4f\n", CpuSeconds() - start);
  return 0;
}

double ReadCpu(QProcess& child) {
  child.waitForFinished(-1);
  return child.readAllStandardOutput().trimmed().toDouble();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && QByteArray(argv[1]) == "--child") {
    return RunChild(argc, argv, QString::fromLatin1(argv[2]), QByteArray(argv[3]).toInt());
  }
  const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
  QProcess form1;
  QProcess bare;
  const QString self = QString::fromLocal8Bit(argv[0]);
  const QString duration = QString::number(seconds);
  form1.start(self, {QStringLiteral("--child"), QStringLiteral("form1"), duration});
  bare.start(self, {QStringLiteral("--child"), QStringLiteral("bare"), duration});
  const double form1_cpu = ReadCpu(form1);
  const double bare_cpu = ReadCpu(bare);
  std::printf("idle cost over %d s: Form1 %.3f s CPU, bare 1 ms timer %.3f s CPU, ratio %.3f\n",
              seconds, form1_cpu, bare_cpu, bare_cpu > 0 ? form1_cpu / bare_cpu : 0.0);
  return 0;
}
