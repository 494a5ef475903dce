// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote as a command: with arguments, the program looks codes up and
// answers on standard output, without any window or display, and without Qt:
// the core and the console alone, so that it starts as fast as a C program.
//
//   dialnote CODE...          one line per code: the code, a tab, its explanation
//   dialnote -                the codes on standard input, separated by white space
//   dialnote --list           every entry: code, tab, symbol, tab, explanation
//   dialnote --search WORD... the entries that hold every word, as --list
//   -o FILE, --output FILE    with any of these: the answers into FILE
//
// Statuses: 0 when every code was found and written (or the search found
// something), 1 when a code named no entry (or the search found nothing), 2
// for a usage error, a failure to read the input, or a failure to write that
// is not a closed pipe. A reader that goes away (`dialnote --list | head -1`)
// ends the command at once and quietly, with the status of the answers
// given so far.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dialnote {

inline constexpr int kStatusFound = 0;
inline constexpr int kStatusNotFound = 1;
inline constexpr int kStatusFailure = 2;  // usage, reading or writing
// Ctrl+C typed while the command reads a Windows console: the status the
// console's default handler ends a program with (STATUS_CONTROL_C_EXIT).
inline constexpr int kStatusInterrupted = static_cast<int>(0xC000013AU);

// Runs the command for the arguments after the program's name (UTF-8, at
// least one) and returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments);

// `argument` as a complaint shows it: at most 40 characters; controls,
// quotes, backslashes, format characters (the invisible marks among them),
// no-break spaces and bytes that are not UTF-8 escaped (\t, \", \u200f,
// \xff); and "…" where it was cut.
std::string QuoteArgument(std::string_view argument);

}  // namespace dialnote
