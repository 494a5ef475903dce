// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote: given arguments, the lookup command; given none, the windows.
//
// On Windows, one static executable does both. Elsewhere the windows are a
// program of their own beside this one, which this one becomes (exec) when
// there are no arguments: the command then loads QtCore alone, not the two
// dozen libraries of the window system, and answers in half the time.
#include "app/command_line.h"

#ifdef DIALNOTE_WINDOWS_IN_PROCESS
#include "app/windows_main.h"
#else
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The folder of the running executable, from the kernel's own record.
std::string ExecutableFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  const std::string file(path, static_cast<std::size_t>(length));
  return file.substr(0, file.rfind('/'));
}

// Replaces this process by the windows program, installed under
// libexec/dialnote/ (or beside this one in a build tree), keeping the
// arguments, so that the process, its name and its status stay the same.
int ExecWindows(char* argv[]) {
  const std::string folder = ExecutableFolder();
  int error = ENOENT;
  for (const char* relative : {DIALNOTE_WINDOWS_FROM_BINDIR, "windows/dialnote"}) {
    const std::string candidate = folder + '/' + relative;
    execv(candidate.c_str(), argv);
    if (errno != ENOENT) error = errno;
  }
  std::fprintf(stderr, "dialnote: cannot start the windows from %s: %s\n", folder.c_str(),
               std::strerror(error));
  return 1;
}

}  // namespace
#endif

int main(int argc, char* argv[]) {
  if (argc > 1) {
    // A command, which needs no display.
    return dialnote::RunCommandLine(argc, argv);
  }
#ifdef DIALNOTE_WINDOWS_IN_PROCESS
  return dialnote::RunWindows(argc, argv);
#else
  return ExecWindows(argv);
#endif
}
