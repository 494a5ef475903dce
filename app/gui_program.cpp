// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI as a program of its own, which `dialnote` starts when it is
// given no arguments (see main.cpp).
#include "app/gui_main.h"

int main(int argc, char* argv[]) { return dialnote::RunGui(argc, argv); }
