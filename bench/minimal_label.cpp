// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time: the smallest Qt Widgets program that puts
// a window with one label on the screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Dialnote"));
  label.show();
  return QApplication::exec();
}
