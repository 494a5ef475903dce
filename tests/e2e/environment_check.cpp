// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote where the machine offers little: run by program.sh with no
// network interface but the loopback, no browser and a home folder nobody
// can write to. Both windows open, the local address reads 127.0.0.1, and the
// web button does nothing and harms nothing.
#include <QtTest>

#include "app/application_shell.h"
#include "main_window/form1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {

class EnvironmentCheck : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty());
    QVERIFY(!QFileInfo(QDir::homePath()).isWritable());
    shell_ = std::make_unique<ApplicationShell>(runtime_, App(QStringLiteral("/opt/x/dialnote")));
    shell_->Start();
    QVERIFY(QTest::qWaitForWindowExposed(shell_->Splash()));
    main_ = &shell_->ShowMainForm();
    QVERIFY(QTest::qWaitForWindowExposed(main_));
  }

  void cleanupTestCase() { shell_.reset(); }

  void theLocalAddressIsTheLoopback() {
    if (qEnvironmentVariableIsSet("DIALNOTE_NETWORK_PRESENT")) {
      QSKIP("no private network namespace here; the machine's interfaces are present");
    }
    QCOMPARE(main_->Label2->text(), QStringLiteral("آي پي شما : 127.0.0.1"));
  }

  void theWebButtonWithoutABrowserChangesNothing() {
    QTest::mouseClick(main_->web, Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(main_->isVisible());
    QCOMPARE(runtime_.ends, 0);
  }

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<ApplicationShell> shell_;
  Form1* main_ = nullptr;
};

}  // namespace dialnote

QTEST_MAIN(dialnote::EnvironmentCheck)
#include "environment_check.moc"
