// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a program of their own, which `dialnote` starts when it is
// given no arguments (see main.cpp).
#include "app/windows_main.h"

int main(int argc, char* argv[]) { return dialnote::RunWindows(argc, argv); }
