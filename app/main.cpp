// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote: given arguments, the lookup command; given none, the windows.
//
// On Windows, one static executable does both. Elsewhere the GUI is a
// program of its own, which this one becomes (exec) when there are no
// arguments: the command then loads QtCore alone, not the two dozen libraries
// of the window system, and answers in half the time.
#include "app/command_line.h"

#ifdef DIALNOTE_GUI_IN_PROCESS
#include "app/gui_main.h"
#else
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The folder of the running executable, from the kernel's own record; empty
// when it cannot be read (no /proc).
std::string ExecutableFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string file(path, static_cast<std::size_t>(length));
  return file.substr(0, file.rfind('/'));
}

// Replaces this process by the GUI program, installed under libexec/dialnote/
// (the build tree has the same layout), keeping the arguments, so that the
// process, its name and its status stay the same.
int ExecGui(char* argv[]) {
  const std::string folder = ExecutableFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "dialnote: cannot find the GUI: /proc/self/exe is unreadable\n");
    return 1;
  }
  const std::string gui = folder + '/' + DIALNOTE_GUI_FROM_BINDIR;
  execv(gui.c_str(), argv);
  std::fprintf(stderr, "dialnote: cannot start the GUI %s: %s\n", gui.c_str(),
               std::strerror(errno));
  return 1;
}

}  // namespace
#endif

int main(int argc, char* argv[]) {
  if (argc > 1) {
    // A command, which needs no display.
    return dialnote::RunCommandLine(argc, argv);
  }
#ifdef DIALNOTE_GUI_IN_PROCESS
  return dialnote::RunGui(argc, argv);
#else
  return ExecGui(argv);
#endif
}
