// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <vector>
#else
#include <csignal>
#endif

namespace dialnote::console {

#ifdef _WIN32
namespace {

struct Stream {
  HANDLE handle = nullptr;
  bool is_console = false;
};

Stream output_stream, error_stream;
std::string pending;  // standard output, held until Flush

Stream Open(DWORD which) {
  Stream stream{GetStdHandle(which), false};
  // A GUI program started from a console has no standard handles of its
  // own, unless the caller redirected them; the borrowed console gives them.
  if (stream.handle == nullptr || stream.handle == INVALID_HANDLE_VALUE) {
    stream.handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  }
  DWORD mode = 0;
  stream.is_console = stream.handle != INVALID_HANDLE_VALUE && GetConsoleMode(stream.handle, &mode);
  return stream;
}

bool Write(const Stream& stream, std::string_view utf8) {
  if (utf8.empty()) return true;
  if (stream.handle == nullptr || stream.handle == INVALID_HANDLE_VALUE) return false;
  if (stream.is_console) {
    const int size = static_cast<int>(utf8.size());
    std::vector<wchar_t> wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)));
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    return WriteConsoleW(stream.handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                         nullptr) != 0;
  }
  while (!utf8.empty()) {
    DWORD written = 0;
    if (!WriteFile(stream.handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written,
                   nullptr) ||
        written == 0) {
      return false;
    }
    utf8.remove_prefix(written);
  }
  return true;
}

}  // namespace

void Attach() {
  AttachConsole(ATTACH_PARENT_PROCESS);
  output_stream = Open(STD_OUTPUT_HANDLE);
  error_stream = Open(STD_ERROR_HANDLE);
}

bool WriteOutput(std::string_view utf8) {
  pending.append(utf8);
  return pending.size() < 64 * 1024 || Flush();
}

bool Flush() {
  const bool written = Write(output_stream, pending);
  pending.clear();
  return written;
}

void WriteError(std::string_view utf8) {
  Flush();
  Write(error_stream, utf8);
}

#else

void Attach() {
  // A reader that goes away mid-answer ends the command quietly, not by a
  // signal; the failed write says so.
  std::signal(SIGPIPE, SIG_IGN);
}

bool WriteOutput(std::string_view utf8) {
  return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
}

bool Flush() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

void WriteError(std::string_view utf8) {
  std::fflush(stdout);  // keeps the answers and the complaints in order
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

#endif

}  // namespace dialnote::console
