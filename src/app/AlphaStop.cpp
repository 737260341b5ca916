// The calculator: the main window, working on the data folders "as" and "asc" of the
// working folder, of ALPHASTOP_DATA or of the installation (see core/paths/DataFolder.h).
// It takes no arguments.

#include <QApplication>

#include "ui/main/Form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Lets the desktop match the window to its installed entry and icon.
  QGuiApplication::setDesktopFileName(ALPHASTOP_APP_ID);
  alphastop::ui::Form1 window;
  window.show();
  return QApplication::exec();
}
