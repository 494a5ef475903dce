// Dialnote where the machine offers little: run by environment.sh with no
// network interface but the loopback, no browser, no Tahoma or Vazirmatn
// (only DejaVu Sans among the fonts) and a home folder nobody can write to.
// Both windows open and work: the local address reads 127.0.0.1, the web
// button does nothing and harms nothing, and the titles render in the
// fallback font as joined Arabic letters, not boxes or isolated forms.
#include <QDesktopServices>
#include <QFontInfo>
#include <QPainter>
#include <QtTest>
#include <vector>

#include "app/application_shell.h"
#include "catalogue/error_catalogue.h"
#include "main_window/form1.h"
#include "platform/module1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

// The connected runs of white ink in `image` that are at least five pixels
// tall: the letter bodies of a white title, without the dots.
int LetterBodies(const QImage& image) {
  const int width = image.width();
  const int height = image.height();
  const auto ink = [&](int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
  };
  std::vector<bool> seen(static_cast<std::size_t>(width * height), false);
  const auto mark = [&](int x, int y) { seen[static_cast<std::size_t>(y * width + x)] = true; };
  const auto visited = [&](int x, int y) { return seen[static_cast<std::size_t>(y * width + x)]; };
  int bodies = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (visited(x, y) || !ink(x, y)) continue;
      std::vector<QPoint> pending{{x, y}};
      mark(x, y);
      int top = y;
      int bottom = y;
      while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = p.x() + dx;
            const int ny = p.y() + dy;
            if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
            if (visited(nx, ny) || !ink(nx, ny)) continue;
            mark(nx, ny);
            pending.push_back({nx, ny});
          }
        }
      }
      if (bottom - top + 1 >= 5) ++bodies;
    }
  }
  return bodies;
}

// The title as it would look with every letter in its isolated form, drawn
// in the same font on the same strip: what a renderer that cannot join
// Arabic shows.
QImage IsolatedTitle(const QWidget& label) {
  QString isolated;
  for (const QChar letter : label.property("text").toString()) {
    if (!isolated.isEmpty()) isolated += QChar(0x200C);  // zero-width non-joiner
    isolated += letter;
  }
  QImage image(label.size() * 2, QImage::Format_RGB32);
  image.fill(QColor(0x3980D2));
  QPainter painter(&image);
  painter.setFont(label.font());
  painter.setPen(Qt::white);
  painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, isolated);
  return image;
}

QImage GrabOnWindow(QWidget& control) {
  return control.window()->grab(control.geometry()).toImage();
}

}  // namespace

class EnvironmentCheck : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void theFallbackFontIsInUse();
  void titlesRenderAsJoinedArabicLetters();
  void theLocalAddressIsTheLoopback();
  void theWebButtonWithoutABrowserChangesNothing();
  void theMainWindowStillExplainsCodes();
  void cleanupTestCase();

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<ApplicationShell> shell_;
  Form1* form1_ = nullptr;
};

void EnvironmentCheck::initTestCase() {
  QVERIFY(QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty());
  QVERIFY(!QFileInfo(QDir::homePath()).isWritable());
  shell_ = std::make_unique<ApplicationShell>(runtime_, App(QStringLiteral("/opt/x/dialnote")));
  shell_->Start();
  QVERIFY(QTest::qWaitForWindowExposed(shell_->Splash()));
  form1_ = &shell_->ShowMainForm();
  QVERIFY(QTest::qWaitForWindowExposed(form1_));
}

void EnvironmentCheck::theFallbackFontIsInUse() {
  QCOMPARE(QFontInfo(form1_->Label3->font()).family(), QStringLiteral("DejaVu Sans"));
  QCOMPARE(QFontInfo(shell_->Splash()->Label5->font()).family(), QStringLiteral("DejaVu Sans"));
}

// "دايالنوت" joins into five letter bodies: د, ا, يا, لنو, ت; drawn letter by
// letter, or as boxes, it has eight.
void EnvironmentCheck::titlesRenderAsJoinedArabicLetters() {
  QCOMPARE(LetterBodies(GrabOnWindow(*form1_->Label3)), 5);
  QCOMPARE(LetterBodies(GrabOnWindow(*shell_->Splash()->Label5)), 5);
  QCOMPARE(LetterBodies(IsolatedTitle(*form1_->Label3)), 8);  // the measure tells them apart
}

void EnvironmentCheck::theLocalAddressIsTheLoopback() {
  if (qEnvironmentVariableIsSet("DIALNOTE_NETWORK_PRESENT")) {
    QSKIP("no private network namespace here; the machine's interfaces are present");
  }
  QCOMPARE(form1_->Label2->text(), QStringLiteral("آي پي شما : 127.0.0.1"));
}

void EnvironmentCheck::theWebButtonWithoutABrowserChangesNothing() {
  QVERIFY(Module1::ShellExecuteA(nullptr, QStringLiteral("Open"),
                                 QStringLiteral("https://dialnote.example.org"), {}, {},
                                 Module1::kShowNoActivate) <= 32);
  QTest::mouseClick(form1_->web, Qt::LeftButton);
  QTest::qWait(50);
  QVERIFY(form1_->isVisible());
  QCOMPARE(QApplication::topLevelWidgets().contains(form1_), true);
  QCOMPARE(runtime_.ends, 0);
}

void EnvironmentCheck::theMainWindowStillExplainsCodes() {
  form1_->Text1->setFocus();
  form1_->Text1->selectAll();
  QTest::keyClicks(form1_->Text1, QStringLiteral("651"));
  const auto expected = ErrorCatalogue::Lookup(u"651").value();
  QTRY_COMPARE(form1_->Text2->toPlainText(),
               QString::fromUtf16(expected.data(), static_cast<qsizetype>(expected.size())));
}

void EnvironmentCheck::cleanupTestCase() { shell_.reset(); }

}  // namespace dialnote

QTEST_MAIN(dialnote::EnvironmentCheck)
#include "environment_check.moc"
