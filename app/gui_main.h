// SPDX-License-Identifier: GPL-3.0-or-later
// Dialnote with its windows (the GUI): the splash, then the main window, until the
// program ends. Returns the program's exit status. The arguments after the
// program's name are not read.
#pragma once

namespace dialnote {

int RunGui(int argc, char* argv[]);

}  // namespace dialnote
