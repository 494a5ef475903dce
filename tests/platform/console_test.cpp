// SPDX-License-Identifier: GPL-3.0-or-later
// How the command's read from a Windows console ends: Ctrl+C ends the read with no characters,
// which is no end of input. Wine's console is no proof of Windows', so the decision is pinned here.
#include "platform/console.h"

#include <QtTest>

namespace dialnote::console {

class ConsoleTest : public QObject {
  Q_OBJECT

 private slots:
  // What ReadConsoleW returned, its characters and GetLastError() after it,
  // whether the control handler has noted Ctrl+C, and the outcome.
  void aConsoleReadEnds_data() {
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("noted");
    QTest::addColumn<int>("outcome");
    constexpr int kAborted = 995, kInvalidHandle = 6;
    const auto text = int(ConsoleRead::kText), end = int(ConsoleRead::kEnd);
    const auto interrupted = int(ConsoleRead::kInterrupted), failed = int(ConsoleRead::kFailed);
    QTest::newRow("a line") << true << 5 << 0 << false << text;
    QTest::newRow("a line typed just before Ctrl+C") << true << 5 << 0 << true << text;
    QTest::newRow("Ctrl+C: nothing read, the read aborted")
        << true << 0 << kAborted << false << interrupted;
    QTest::newRow("Ctrl+C noted by the handler first") << true << 0 << 0 << true << interrupted;
    QTest::newRow("Ctrl+C as a failed read") << false << 0 << kAborted << false << interrupted;
    QTest::newRow("nothing read and nothing typed: the end") << true << 0 << 0 << false << end;
    QTest::newRow("a failure") << false << 0 << kInvalidHandle << false << failed;
  }
  void aConsoleReadEnds() {
    QFETCH(bool, succeeded);
    QFETCH(int, characters);
    QFETCH(int, error);
    QFETCH(bool, noted);
    QTEST(int(ClassifyConsoleRead(succeeded, static_cast<unsigned long>(characters),
                                  static_cast<unsigned long>(error), noted)),
          "outcome");
  }
};

}  // namespace dialnote::console

QTEST_APPLESS_MAIN(dialnote::console::ConsoleTest)
#include "console_test.moc"
