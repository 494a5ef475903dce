// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the program's identity as the windows read it,
// and where the running executable lies.
#pragma once

#include <QString>

namespace dialnote {

class App {
 public:
  // The running program, as the process sees it.
  static const App& Current();

  // A program whose executable is at `executable_path`, in the platform's
  // own notation (a Windows path like D:\Tools\x.exe is read as one).
  explicit App(const QString& executable_path);

  // The folder that holds the executable, without a trailing separator
  // except for a root folder ("/", "C:\").
  [[nodiscard]] const QString& Path() const { return path_; }
  // The executable's file name without its extension.
  [[nodiscard]] const QString& EXEName() const { return exe_name_; }
  [[nodiscard]] QString Title() const;
  [[nodiscard]] qint16 Major() const;
  [[nodiscard]] qint16 Minor() const;
  [[nodiscard]] qint16 Revision() const;

 private:
  QString path_;
  QString exe_name_;
};

// The executable's path as the about box finds it: the folder, a separator,
// the executable's name and `suffix` (".exe" on Windows). A root folder
// already ends in its separator and gets no second one.
QString ExecutablePath(const QString& folder, const QString& exe_name, const QString& suffix);

}  // namespace dialnote
