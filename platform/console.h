// SPDX-License-Identifier: GPL-3.0-or-later
// The command's standard output and error. On Windows the program has no
// console of its own: it borrows the console of the command prompt or
// PowerShell that started it, writes wide characters to a console (so that
// Persian shows whatever the code page) and UTF-8 to a pipe or a file.
// Elsewhere both streams take UTF-8 as they are.
#pragma once

#include <string_view>

namespace dialnote::console {

// Makes the streams ready; call once before writing.
void Attach();

// Writes all of `utf8` to standard output, or returns false (the reader went
// away, the disk is full). Output is buffered until Flush.
bool WriteOutput(std::string_view utf8);
bool Flush();

// Writes `utf8` to standard error, unbuffered and in order with the output.
void WriteError(std::string_view utf8);

}  // namespace dialnote::console
