// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the lookup command: the smallest QtCore program that
// makes its application object and prints one line.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::puts("691\tyardstick");
  return 0;
}
