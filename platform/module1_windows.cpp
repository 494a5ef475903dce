// SPDX-License-Identifier: GPL-3.0-or-later
// Module1 on Windows: the shell's own functions. The wide-character ones,
// so that the Persian title shows on every Windows, whatever its code page;
// the 8-bit ones would turn it into question marks outside code page 1256.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "platform/module1.h"

namespace dialnote::Module1 {
namespace {

const wchar_t* Wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

// Empty texts go to the shell as no text at all.
const wchar_t* WideOrNull(const QString& text) { return text.isEmpty() ? nullptr : Wide(text); }

HWND WindowOf(QWidget* widget) {
  return widget != nullptr ? reinterpret_cast<HWND>(widget->window()->winId()) : nullptr;
}

}  // namespace

int ShellAboutA(QWidget* hWnd, const QString& szApp, const QString& szOtherStuff,
                const QIcon& hIcon) {
  HICON icon = nullptr;
  if (!hIcon.isNull()) {
    icon = hIcon.pixmap(GetSystemMetrics(SM_CXICON)).toImage().toHICON();
  }
  const int result = ShellAboutW(WindowOf(hWnd), Wide(szApp), WideOrNull(szOtherStuff), icon);
  if (icon != nullptr) DestroyIcon(icon);
  return result;
}

QIcon ExtractIconA(qintptr /*hInst*/, const QString& lpszExeFileName, int nIconIndex) {
  HICON icon =
      ExtractIconW(GetModuleHandleW(nullptr), Wide(lpszExeFileName), static_cast<UINT>(nIconIndex));
  // Null: no such icon; 1: the file is no executable, icon library or icon.
  if (icon == nullptr || icon == reinterpret_cast<HICON>(1)) return {};
  QIcon result(QPixmap::fromImage(QImage::fromHICON(icon)));
  DestroyIcon(icon);
  return result;
}

qintptr ShellExecuteA(QWidget* hwnd, const QString& lpOperation, const QString& lpFile,
                      const QString& lpParameters, const QString& lpDirectory, int nShowCmd) {
  return reinterpret_cast<qintptr>(ShellExecuteW(WindowOf(hwnd), WideOrNull(lpOperation),
                                                 Wide(lpFile), WideOrNull(lpParameters),
                                                 WideOrNull(lpDirectory), nShowCmd));
}

void ShellOpen(const QString& target) {
  ShellExecuteA(nullptr, QStringLiteral("Open"), target, QString(), QString(), kShowNoActivate);
}

}  // namespace dialnote::Module1
