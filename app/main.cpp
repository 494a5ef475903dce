// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote: given arguments, the lookup command; given none, the windows.
//
// The command is the same in two programs, neither of which links Qt:
// - Linux `dialnote`, which becomes (exec) the GUI program, installed under
//   libexec/dialnote/, when it has no arguments;
// - Windows `dialnote.com`, the console program that a prompt finds first
//   for `dialnote` (PATHEXT puts .COM before .EXE), which starts
//   Dialnote.exe beside it when given no arguments. Dialnote.exe itself, a
//   GUI program that no prompt waits for, reads no command line.
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/console.h"
#include "platform/identity.h"

#if defined(_WIN32)
#include <windows.h>

#include <cstdio>
#else
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

#if defined(_WIN32)

// Starts Dialnote.exe from this program's folder, with that folder current
// (so that the windows keep no folder of the prompt's in use while they are
// open), and does not wait for it: the prompt comes back at once, as for
// any window program.
int StartGui() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      dialnote::console::WriteError("dialnote: cannot find the folder of this program\n");
      return 1;
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(L"\\/") + 1);
  const std::wstring folder = path;  // with its final backslash, so "C:\\" stays the root
  path += L"Dialnote.exe";
  std::wstring command_line = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    char message[64];
    std::snprintf(message, sizeof message, "dialnote: cannot start Dialnote.exe: error %lu\n",
                  GetLastError());
    dialnote::console::WriteError(message);
    return 1;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

#else

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
    dialnote::console::WriteError("dialnote: cannot find the GUI: /proc/self/exe is unreadable\n");
    return 1;
  }
  const std::string gui = folder + '/' + DIALNOTE_GUI_FROM_BINDIR;
  execv(gui.c_str(), argv);
  dialnote::console::WriteError("dialnote: cannot start the GUI " + gui + ": " +
                                std::strerror(errno) + "\n");
  return 1;
}

#endif

}  // namespace

int main(int argc, char* argv[]) {
#if defined(_WIN32)
  // A command waiting for its input keeps dialnote.com in use as long as the
  // windows keep Dialnote.exe: the installer must wait for both.
  CreateMutexW(nullptr, FALSE, dialnote::identity::kRunningMutexName);
#endif
  const std::vector<std::string> arguments = dialnote::console::Arguments(argc, argv);
  if (!arguments.empty()) {
    // A command, which needs no display.
    return dialnote::RunCommandLine(arguments);
  }
#if defined(_WIN32)
  // Started alone (Win+R, Explorer), dialnote.com got a console of its own,
  // which would flash up until it ends; hidden at once, it is not seen. A
  // console shared with the prompt that started it stays as it is.
  DWORD processes[2];
  if (GetConsoleProcessList(processes, 2) == 1) ShowWindow(GetConsoleWindow(), SW_HIDE);
  return StartGui();
#else
  return ExecGui(argv);
#endif
}
