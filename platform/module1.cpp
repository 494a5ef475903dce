// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/module1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace dialnote::Module1 {
namespace {

constexpr qintptr kShellExecuteDone = 42;       // any value above 32 means success
constexpr qintptr kShellExecuteNoHandler = 31;  // SE_ERR_NOASSOC
constexpr int kAboutIconSize = 48;

bool IsRunningExecutable(const QString& path) {
  const QString running = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
  return !running.isEmpty() && QFileInfo(path).canonicalFilePath() == running;
}

}  // namespace

int ShellAboutA(QWidget* hWnd, const QString& szApp, const QString& szOtherStuff,
                const QIcon& hIcon) {
  QMessageBox box(hWnd);
  box.setObjectName(QStringLiteral("aboutBox"));
  box.setWindowTitle(szApp);
  box.setText(szApp);
  box.setInformativeText(szOtherStuff);
  if (hIcon.isNull()) {
    box.setIcon(QMessageBox::Information);
  } else {
    box.setIconPixmap(hIcon.pixmap(kAboutIconSize, kAboutIconSize));
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return 1;
}

QIcon ExtractIconA(qintptr /*hInst*/, const QString& lpszExeFileName, int nIconIndex) {
  if (nIconIndex != 0 || !IsRunningExecutable(lpszExeFileName)) {
    return {};
  }
  return QIcon(QStringLiteral(":/dialnote/icon.png"));
}

qintptr ShellExecuteA(QWidget* /*hwnd*/, const QString& lpOperation, const QString& lpFile,
                      const QString& /*lpParameters*/, const QString& /*lpDirectory*/,
                      int /*nShowCmd*/) {
  if (lpOperation.compare(QLatin1String("Open"), Qt::CaseInsensitive) != 0) {
    return kShellExecuteNoHandler;
  }
  return QDesktopServices::openUrl(QUrl::fromUserInput(lpFile)) ? kShellExecuteDone
                                                                : kShellExecuteNoHandler;
}

void ShellOpen(const QString& target) {
  ShellExecuteA(nullptr, QStringLiteral("Open"), target, QString(), QString(), kShowNoActivate);
}

}  // namespace dialnote::Module1
