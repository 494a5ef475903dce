// Dialnote: the application object, the first window, the event loop.
#include <QApplication>

#include "main_window/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  dialnote::Form1 main_window;
  main_window.show();
  return QApplication::exec();
}
