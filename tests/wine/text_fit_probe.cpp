// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows on Windows at LOGPIXELS: scaled by LOGPIXELS / 96, no text clipped (exit 1).
//   text_fit_probe.exe LOGPIXELS
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QStyleOptionFrame>
#include <QtTest>
#include <cstdio>

#include "components/xp_button.h"
#include "main_window/form1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace {

int problems = 0;

QSize TextSize(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

void Measure(const QWidget& control, const QString& what, QSize text, QSize space) {
  if (space.expandedTo(text) == space) return;
  std::printf("CLIPPED %s.%s: %s %dx%d in %dx%d\n", qPrintable(control.window()->objectName()),
              qPrintable(control.objectName()), qPrintable(what), text.width(), text.height(),
              space.width(), space.height());
  ++problems;
}

void CheckWindow(QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->isVisible() && !label->text().isEmpty())
      Measure(*label, "text", TextSize(label->font(), label->text()), label->contentsRect().size());
  }
  for (const dialnote::XPButton* button : window.findChildren<dialnote::XPButton*>()) {
    // The caption needs its edge of 2 pixels on either side.
    const auto& settings = button->settings();
    Measure(*button, "caption", TextSize(settings.font, settings.tx) + QSize(4, 4), button->size());
  }
  for (QLineEdit* entry : window.findChildren<QLineEdit*>()) {
    QStyleOptionFrame option;
    option.initFrom(entry);
    option.rect = entry->rect();
    option.lineWidth = entry->hasFrame() ? 1 : 0;
    Measure(*entry, "\"888\"", TextSize(entry->font(), QStringLiteral("888")),
            entry->style()->subElementRect(QStyle::SE_LineEditContents, &option, entry).size());
  }
  for (QListWidget* list : window.findChildren<QListWidget*>()) {
    for (int row = 0; row < list->count(); ++row) {
      const QListWidgetItem* item = list->item(row);
      Measure(*list, "entry " + item->text(), TextSize(list->font(), item->text()),
              list->visualItemRect(item).size());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const double expected_ratio = (argc > 1 ? QByteArray(argv[1]).toDouble() : 96.0) / 96.0;
  dialnote::testing::RecordingRuntime runtime;
  dialnote::Form2 splash(dialnote::App::Current(), [] {});
  splash.Timer2->stop();  // the splash stays; no hand-over
  splash.show();
  dialnote::Form1 form(runtime);
  form.show();
  if (!QTest::qWaitForWindowExposed(&splash) || !QTest::qWaitForWindowExposed(&form)) {
    std::printf("the windows were not shown\n");
    return 1;
  }
  QTest::qWait(300);
  for (QWidget* window : {static_cast<QWidget*>(&splash), static_cast<QWidget*>(&form)}) {
    const double ratio = window->devicePixelRatioF();
    std::printf("%s: device pixel ratio %g, expected %g\n", qPrintable(window->objectName()), ratio,
                expected_ratio);
    if (qAbs(ratio - expected_ratio) >= 0.01) ++problems;
    CheckWindow(*window);
  }
  std::printf("%d clipped\n", problems);
  return problems == 0 ? 0 : 1;
}
