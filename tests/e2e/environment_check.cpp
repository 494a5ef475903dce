// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote where the machine offers little: run by program.sh with no
// network interface but the loopback, no browser, no Tahoma (only DejaVu
// Sans among the fonts) and a home folder nobody can write to. Both windows
// open: the local address reads 127.0.0.1, the web button does nothing and
// harms nothing, and the titles render in the fallback font as joined Arabic
// letters, not boxes or isolated forms.
#include <QFontInfo>
#include <QtTest>
#include <vector>

#include "app/application_shell.h"
#include "main_window/form1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

// The connected runs of white ink at least five pixels tall in `control` as
// its window shows it: the letter bodies of a white title, without the dots.
int LetterBodies(const QWidget& control) {
  QImage image = control.window()->grab(control.geometry()).toImage();
  const auto ink = [&image](QPoint p) {
    const QRgb c = image.valid(p) ? image.pixel(p) : 0;
    return std::min({qRed(c), qGreen(c), qBlue(c)}) > 200;
  };
  int bodies = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      int top = y;
      int bottom = y;
      for (std::vector<QPoint> pending{{x, y}}; !pending.empty();) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!ink(p)) continue;
        image.setPixel(p, 0);  // counted
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) pending.push_back(p + QPoint(dx, dy));
        }
      }
      bodies += bottom - top >= 4;
    }
  }
  return bodies;
}

}  // namespace

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

  // "دايالنوت" joins into five letter bodies: د, ا, يا, لنو, ت; drawn letter
  // by letter, or as boxes, it has eight.
  void titlesRenderInTheFallbackFontAsJoinedLetters() {
    for (const AutoSizeLabel* title : {main_->Label3, shell_->Splash()->Label5}) {
      QCOMPARE(QFontInfo(title->font()).family(), QStringLiteral("DejaVu Sans"));
      QCOMPARE(LetterBodies(*title), 5);
    }
    // Letter by letter, with a non-joiner between each two; the measure tells them apart.
    main_->Label3->SetCaption(QStringLiteral("د\u200Cا\u200Cي\u200Cا\u200Cل\u200Cن\u200Cو\u200Cت"));
    QCOMPARE(LetterBodies(*main_->Label3), 8);
  }

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
