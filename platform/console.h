// SPDX-License-Identifier: GPL-3.0-or-later
// The command's arguments and standard streams, without Qt, so that the lookup
// command loads nothing but the C and C++ runtimes (or, on Windows, system
// DLLs).
//
// On Windows the arguments come from the wide command line, never through the
// ANSI code page, so that Persian reaches the reader intact whatever the
// system locale. A console gets wide characters (WriteConsoleW, ReadConsoleW),
// so that Persian shows whatever the code page; a pipe or a file gets and gives
// UTF-8 without a byte-order mark, byte for byte what Linux writes.
// Elsewhere the streams take UTF-8 as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dialnote::console {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments(int argc, char* argv[]);

// Makes the streams ready; call once, before the first Output or Input.
void Attach();

// Standard output, buffered until Flush or until enough is pending.
class Output {
 public:
  Output();
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Sends what follows to the file at `path` (UTF-8 as on standard output,
  // created or replaced) instead; false when it cannot be opened, and then
  // nothing is written.
  bool OpenFile(const std::string& path);
  // Closes that file; false when the system reports only then that what was
  // written did not reach it.
  bool Close();

  // Both false once anything could not be written; nothing is written after.
  bool Write(std::string_view utf8);
  bool Flush();

  // After a failure: whether the reader went away (a closed pipe), which is
  // no error to report, and else the system's words for the failure.
  bool ReaderGone() const;
  std::string FailureText() const;

 private:
  bool Send(std::string_view utf8);

  std::string pending_;
  unsigned long error_ = 0;  // errno, or GetLastError() on Windows
  bool failed_ = false;
  bool owns_file_ = false;
#ifdef _WIN32
  void* handle_ = nullptr;
  bool is_console_ = false;
#else
  int fd_ = 1;  // standard output
#endif
};

// Writes `utf8` to standard error at once. Flush the output first, so that
// the answers and the complaints keep their order.
void WriteError(std::string_view utf8);

// How a read from a console ended. Ctrl+C (or Ctrl+Break) typed while the
// read waits ends it early, with no characters, and Windows reports
// ERROR_OPERATION_ABORTED; the console's handler of the key runs on a
// thread of its own, at about the same moment, and may note it first. An
// interrupted read is no end of input.
enum class ConsoleRead { kText, kEnd, kInterrupted, kFailed };
inline constexpr unsigned long kOperationAborted = 995;  // ERROR_OPERATION_ABORTED
ConsoleRead ClassifyConsoleRead(bool succeeded, unsigned long characters, unsigned long error,
                                bool interrupt_noted);

// Standard input, as UTF-8.
class Input {
 public:
  Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // Appends what comes next to `utf8`; false at the end of the input or on a
  // failure (then Failed() is true).
  bool Read(std::string& utf8);
  bool Failed() const { return failed_; }
  // A failure that is Ctrl+C typed at the console (Windows only; elsewhere
  // the signal ends the program).
  bool Interrupted() const { return interrupted_; }
  std::string FailureText() const;

 private:
  unsigned long error_ = 0;
  bool failed_ = false;
  bool interrupted_ = false;
  bool ended_ = false;
#ifdef _WIN32
  void* handle_ = nullptr;
  bool is_console_ = false;
  char16_t pending_high_surrogate_ = 0;
#endif
};

}  // namespace dialnote::console
