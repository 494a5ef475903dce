// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the shell services the program calls, with the names, arguments
// and results it has always used: the shell's own functions on Windows
// (module1_windows.cpp), stand-ins built on Qt elsewhere (module1.cpp).
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace dialnote::Module1 {

// The about box: modal, owned by `hWnd`; names the program by `szApp` and
// shows `szOtherStuff` and `hIcon` (the platform's information icon when
// `hIcon` is null). Returns when the user has closed it.
int ShellAboutA(QWidget* hWnd, const QString& szApp, const QString& szOtherStuff,
                const QIcon& hIcon);

// Icon `nIconIndex` of the executable file `lpszExeFileName`: icon 0 of the
// running program is its own icon; any other file or index gives no icon.
QIcon ExtractIconA(qintptr hInst, const QString& lpszExeFileName, int nIconIndex);

// Carries out `lpOperation` ("Open") on `lpFile` with the desktop's default
// handler; returns a value above 32 when the handler took it.
qintptr ShellExecuteA(QWidget* hwnd, const QString& lpOperation, const QString& lpFile,
                      const QString& lpParameters, const QString& lpDirectory, int nShowCmd);

// Opens `target` (a web address) in the default browser; the outcome is not
// looked at, and nothing is shown when it cannot be opened.
void ShellOpen(const QString& target);

// The show command of ShellOpen: show the opened window without activating it.
inline constexpr int kShowNoActivate = 4;

}  // namespace dialnote::Module1
