// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the idle cost under Wine: the smallest Qt Widgets window
// a person could type into, of the main window's size, with one focused
// entry (its cursor blinking) and no timer of its own.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(348, 429);
  auto* entry = new QLineEdit(&window);
  entry->setGeometry(16, 40, 120, 24);
  window.show();
  entry->setFocus();
  return QApplication::exec();
}
