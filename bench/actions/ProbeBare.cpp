// A bare window of the main window's size (900 x 753 pixels), started like the calculator:
// stamps its first frame and ends.

#include <QApplication>
#include <QWidget>

#include "FirstFrame.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  alphastop::bench::PrintStamp("application");
  QWidget window;
  window.setFixedSize(900, 753);
  alphastop::bench::FirstFrame frame(&window, "frame", [] { QCoreApplication::quit(); });
  window.show();
  return QApplication::exec();
}
