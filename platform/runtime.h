// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows ask of the program's host beyond drawing themselves:
// starting an outside program and ending the program. Tests put a recording
// runtime in its place.
#pragma once

#include <QString>

namespace dialnote {

class Runtime {
 public:
  virtual ~Runtime() = default;

  // Starts `command_line` on its own, with a normal window (show mode 1);
  // returns at once, never waits for it and ignores any failure.
  virtual void Shell(const QString& command_line) = 0;

  // Ends the program at once, with exit status 0, asking nothing.
  virtual void End() = 0;
};

// The desktop's runtime. Only Windows hosts the component registration tool
// that the main window starts; elsewhere the components are built into the
// program and Shell starts nothing.
class DesktopRuntime final : public Runtime {
 public:
  static DesktopRuntime& Instance();

  void Shell(const QString& command_line) override;
  void End() override;
};

// How Windows is asked to start a command line: the program file by its full
// path, and the command line the program reads.
struct ProgramStart {
  QString application;
  QString command_line;
};

// A command line whose program is a bare name ("RegSvr32 /s ...") is started
// from `system_folder` by full path. Given a bare name, Windows would look in
// the program's own folder and the current folder before the system folder,
// so a file of that name planted in either would run in the tool's place.
// A program given with a path is started as given.
[[nodiscard]] ProgramStart SystemProgramStart(const QString& command_line,
                                              const QString& system_folder);

}  // namespace dialnote
