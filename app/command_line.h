// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote as a command: with arguments, the program looks codes up and
// answers on standard output, without any window or display.
//
//   dialnote CODE...   one line per code: the code, a tab, its explanation
//   dialnote --list    every entry: code, tab, symbol, tab, explanation
//
// Statuses: 0 when every code was found and written, 1 when a code named no
// entry or the output could not be written, 2 for a usage error.
#pragma once

#include <string>
#include <string_view>

namespace dialnote {

inline constexpr int kStatusFound = 0;
inline constexpr int kStatusNotFound = 1;
inline constexpr int kStatusUsage = 2;

// Runs the command for the process's arguments (argc > 1) and returns the
// exit status.
int RunCommandLine(int argc, char* argv[]);

// `argument` as an error message shows it: at most 40 characters, control
// characters, quotes, backslashes and bytes that are not UTF-8 escaped, and
// "…" where it was cut.
std::string QuoteArgument(std::string_view argument);

}  // namespace dialnote
