// The calculator: the main window, working on the data folders "as" and "asc" below the
// working folder. It takes no arguments.

#include <QApplication>

#include "ui/Form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  alphastop::ui::Form1 window;
  window.show();
  return QApplication::exec();
}
