// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <atomic>

#include "catalogue/unicode_text.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#endif

namespace dialnote::console {
namespace {

// Output is held until this much is pending: one system call per 64 KiB.
constexpr std::size_t kOutputBuffer = 64 * 1024;
constexpr std::size_t kInputChunk = 64 * 1024;

}  // namespace

#ifdef _WIN32

namespace {

static_assert(kOperationAborted == ERROR_OPERATION_ABORTED);

std::atomic<bool> interrupt_noted{false};

BOOL WINAPI NoteInterrupt(DWORD event) {
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) interrupt_noted = true;
  return FALSE;  // the console's default handler still ends the program
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

std::string ToUtf8(const wchar_t* text, std::size_t length) {
  std::u16string utf16(length, u'\0');
  for (std::size_t i = 0; i < length; ++i) utf16[i] = static_cast<char16_t>(text[i]);
  return unicode::ToUtf8(utf16);
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = length ? ToUtf8(text, length) : "error " + std::to_string(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  return message;
}

// Writes UTF-16 to a console in pieces the console host takes whole, never
// splitting a surrogate pair.
bool WriteToConsole(HANDLE handle, const std::u16string& text) {
  constexpr std::size_t kPiece = 8192;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t size = std::min(kPiece, text.size() - start);
    if (start + size < text.size() && text[start + size - 1] >= 0xD800 &&
        text[start + size - 1] <= 0xDBFF) {
      --size;
    }
    std::wstring piece(text.begin() + static_cast<std::ptrdiff_t>(start),
                       text.begin() + static_cast<std::ptrdiff_t>(start + size));
    DWORD written = 0;
    if (!WriteConsoleW(handle, piece.data(), static_cast<DWORD>(piece.size()), &written, nullptr)) {
      return false;
    }
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    start += written;
  }
  return true;
}

bool WriteBytes(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(handle, bytes.data(), size, &written, nullptr)) return false;
    if (written == 0) {  // a full non-blocking pipe: give up rather than spin
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::vector<std::string> Arguments(int /*argc*/, char* /*argv*/[]) {
  // The C runtime's argv went through the ANSI code page; the wide command
  // line did not.
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(wide[i], wcslen(wide[i])));
  LocalFree(wide);
  return arguments;
}

void Attach() { SetConsoleCtrlHandler(NoteInterrupt, TRUE); }

Output::Output() {
  handle_ = GetStdHandle(STD_OUTPUT_HANDLE);
  is_console_ = IsConsole(handle_);
}

Output::~Output() { Close(); }

bool Output::OpenFile(const std::string& path) {
  const std::u16string utf16 = unicode::ToUtf16(path);
  const std::wstring wide(utf16.begin(), utf16.end());
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error_ = GetLastError();
    failed_ = true;
    return false;
  }
  handle_ = file;
  owns_file_ = true;
  is_console_ = IsConsole(file);  // "CON" is a name too
  return true;
}

bool Output::Close() {
  if (!owns_file_) return true;
  owns_file_ = false;
  if (CloseHandle(handle_) || failed_) return true;
  error_ = GetLastError();
  failed_ = true;
  return false;
}

bool Output::Send(std::string_view utf8) {
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    error_ = ERROR_INVALID_HANDLE;
    return false;
  }
  const bool written =
      is_console_ ? WriteToConsole(handle_, unicode::ToUtf16(utf8)) : WriteBytes(handle_, utf8);
  if (!written) error_ = GetLastError();
  return written;
}

bool Output::ReaderGone() const {
  // Windows says "the pipe is being closed" or "broken"; Wine, whose pipes
  // are the host's, "not connected".
  return error_ == ERROR_NO_DATA || error_ == ERROR_BROKEN_PIPE ||
         error_ == ERROR_PIPE_NOT_CONNECTED;
}

std::string Output::FailureText() const { return SystemMessage(static_cast<DWORD>(error_)); }

void WriteError(std::string_view utf8) {
  static HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  if (IsConsole(handle)) {
    WriteToConsole(handle, unicode::ToUtf16(utf8));
  } else {
    WriteBytes(handle, utf8);
  }
}

Input::Input() {
  handle_ = GetStdHandle(STD_INPUT_HANDLE);
  is_console_ = IsConsole(handle_);
}

bool Input::Read(std::string& utf8) {
  if (ended_ || failed_) return false;
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    ended_ = true;  // no input at all reads as empty
    return false;
  }
  if (!is_console_) {
    char buffer[kInputChunk];
    DWORD read = 0;
    if (!ReadFile(handle_, buffer, sizeof buffer, &read, nullptr)) {
      error_ = GetLastError();
      // The writer of a pipe closing it is the end of the input.
      failed_ = error_ != ERROR_BROKEN_PIPE;
      ended_ = true;
      return false;
    }
    if (read == 0) {
      ended_ = true;
      return false;
    }
    utf8.append(buffer, read);
    return true;
  }
  wchar_t buffer[4096];
  DWORD read = 0;
  SetLastError(ERROR_SUCCESS);  // a successful read may leave an old error
  const bool succeeded = ReadConsoleW(handle_, buffer, 4096, &read, nullptr);
  const DWORD error = GetLastError();
  // Nothing read and no abort reported: the handler, on its own thread, may
  // be about to note Ctrl+C. A tenth of a second lets it.
  for (int i = 0;
       succeeded && read == 0 && error != ERROR_OPERATION_ABORTED && i < 10 && !interrupt_noted;
       ++i) {
    Sleep(10);
  }
  switch (ClassifyConsoleRead(succeeded, read, error, interrupt_noted)) {
    case ConsoleRead::kInterrupted:
      interrupted_ = true;
      failed_ = true;
      return false;
    case ConsoleRead::kFailed:
      error_ = error;
      failed_ = true;
      return false;
    case ConsoleRead::kText:
    case ConsoleRead::kEnd:
      break;
  }
  std::u16string text;
  if (pending_high_surrogate_ != 0) text += pending_high_surrogate_;
  pending_high_surrogate_ = 0;
  for (DWORD i = 0; i < read; ++i) {
    // Ctrl+Z, typed at a console, is its end of input.
    if (buffer[i] == 0x1A) {
      ended_ = true;
      break;
    }
    text += static_cast<char16_t>(buffer[i]);
  }
  if (read == 0) ended_ = true;
  if (!ended_ && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
    pending_high_surrogate_ = text.back();
    text.pop_back();
  }
  unicode::AppendUtf8(utf8, text);
  return !text.empty() || !ended_;
}

std::string Input::FailureText() const { return SystemMessage(static_cast<DWORD>(error_)); }

#else

std::vector<std::string> Arguments(int argc, char* argv[]) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void Attach() {
  // A reader that goes away mid-answer ends the command quietly, not by a
  // signal; the failed write says so.
  std::signal(SIGPIPE, SIG_IGN);
}

namespace {

// Writes all of `bytes`, through interruptions; 0 or the error number.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

Output::Output() = default;

Output::~Output() { Close(); }

bool Output::OpenFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error_ = static_cast<unsigned long>(errno);
    failed_ = true;
    return false;
  }
  fd_ = fd;
  owns_file_ = true;
  return true;
}

bool Output::Close() {
  if (!owns_file_) return true;
  owns_file_ = false;
  // A file system that writes late (NFS, for one) may report a failure only
  // here. The descriptor is gone even then: no second close.
  if (close(fd_) == 0 || failed_) return true;
  error_ = static_cast<unsigned long>(errno);
  failed_ = true;
  return false;
}

bool Output::Send(std::string_view utf8) {
  const int error = WriteAll(fd_, utf8);
  if (error != 0) error_ = static_cast<unsigned long>(error);
  return error == 0;
}

bool Output::ReaderGone() const { return error_ == EPIPE; }

std::string Output::FailureText() const { return std::strerror(static_cast<int>(error_)); }

void WriteError(std::string_view utf8) {
  WriteAll(STDERR_FILENO, utf8);  // on failure, nowhere left to say anything
}

Input::Input() = default;

bool Input::Read(std::string& utf8) {
  if (ended_ || failed_) return false;
  char buffer[kInputChunk];
  ssize_t read_bytes = 0;
  do {
    read_bytes = read(STDIN_FILENO, buffer, sizeof buffer);
  } while (read_bytes < 0 && errno == EINTR);
  if (read_bytes < 0) {
    error_ = static_cast<unsigned long>(errno);
    failed_ = true;
    return false;
  }
  if (read_bytes == 0) {
    ended_ = true;
    return false;
  }
  utf8.append(buffer, static_cast<std::size_t>(read_bytes));
  return true;
}

std::string Input::FailureText() const { return std::strerror(static_cast<int>(error_)); }

#endif

ConsoleRead ClassifyConsoleRead(bool succeeded, unsigned long characters, unsigned long error,
                                bool interrupt_noted) {
  if (succeeded && characters > 0) return ConsoleRead::kText;
  if (error == kOperationAborted || interrupt_noted) return ConsoleRead::kInterrupted;
  return succeeded ? ConsoleRead::kEnd : ConsoleRead::kFailed;
}

bool Output::Write(std::string_view utf8) {
  if (failed_) return false;
  pending_.append(utf8);
  return pending_.size() < kOutputBuffer || Flush();
}

bool Output::Flush() {
  if (failed_) return false;
  if (pending_.empty()) return true;
  const bool sent = Send(pending_);
  pending_.clear();
  failed_ = !sent;
  return sent;
}

}  // namespace dialnote::console
