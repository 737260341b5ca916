// The calculator's start, as in its own main: stamps the first frame of the main window.
// With a file name of the folder as/, then loads that file as a user does (pick, OK) and
// stamps when the graph window has painted; then ends.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include <memory>

#include "FirstFrame.h"
#include "ui/main/Form1.h"
#include "ui/graph/Form2.h"

using alphastop::bench::FirstFrame;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  alphastop::bench::PrintStamp("application");
  const QString load = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  alphastop::ui::Form1 window;
  alphastop::bench::PrintStamp("constructed");
  std::unique_ptr<FirstFrame> graphFrame;
  FirstFrame frame(&window, "frame", [&] {
    if (load.isEmpty()) return QCoreApplication::quit();
    auto* file1 = window.findChild<QListWidget*>("File1");
    const auto items = file1->findItems(load, Qt::MatchExactly);
    if (items.isEmpty()) return QCoreApplication::exit(2);
    file1->setCurrentItem(items.first());
    window.findChild<QPushButton*>("Command2")->click();
    graphFrame = std::make_unique<FirstFrame>(&alphastop::ui::Form2::Instance(), "loaded",
                                              [] { QCoreApplication::quit(); });
  });
  window.show();
  return QApplication::exec();
}
