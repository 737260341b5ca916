// alphastop-icons: renders the program's icon for installation, from the drawing the window
// itself shows, into an icon theme folder. Run by the build; not installed.
//
//   alphastop-icons DIR NAME SIZE...
//       writes DIR/hicolor/scalable/apps/NAME.svg and DIR/hicolor/SIZExSIZE/apps/NAME.png.
// Exit codes: 0 success, 1 a file could not be written, 2 bad arguments.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "ui/common/AlphaIcon.h"

namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitUsage = 2;
constexpr int SvgSize = 32;  // the drawing's own units, so the SVG's numbers stay round

bool WriteSvg(const QString& file) {
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(SvgSize, SvgSize));
  svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
  svg.setTitle("AlphaStop");
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  alphastop::ui::PaintAlphaTrack(painter, SvgSize);
  return painter.end();
}

bool WritePng(const QString& file, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  alphastop::ui::PaintAlphaTrack(painter, size);
  painter.end();
  return image.save(file, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.size() < 3) {
    std::fputs("usage: alphastop-icons DIR NAME SIZE...\n", stderr);
    return ExitUsage;
  }
  const QDir theme(args[0] + "/hicolor");
  const QString name = args[1];
  const QString svg = theme.filePath("scalable/apps/" + name + ".svg");
  if (!theme.mkpath("scalable/apps") || !WriteSvg(svg)) {
    std::fprintf(stderr, "alphastop-icons: cannot write %s\n", qPrintable(svg));
    return ExitWriteFailed;
  }
  for (const QString& text : args.mid(2)) {
    bool isNumber = false;
    const int size = text.toInt(&isNumber);
    if (!isNumber || size <= 0) {
      std::fprintf(stderr, "alphastop-icons: not a size: %s\n", qPrintable(text));
      return ExitUsage;
    }
    const QString folder = QString("%1x%1/apps").arg(size);
    const QString png = theme.filePath(folder + "/" + name + ".png");
    if (!theme.mkpath(folder) || !WritePng(png, size)) {
      std::fprintf(stderr, "alphastop-icons: cannot write %s\n", qPrintable(png));
      return ExitWriteFailed;
    }
  }
  return 0;
}
