#include "ui/graph/DrawingExport.h"

#include <QBuffer>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

#include "core/graph/GraphFile.h"
#include "ui/graph/PngFile.h"

namespace alphastop::ui {
namespace {

std::optional<QString> Refusal(const QString& path, const QString& why) {
  return QString("The graph cannot be saved as \"%1\": %2.").arg(path, why);
}

bool WriteSvg(const Drawing& drawing, QIODevice& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(drawing.size);
  svg.setViewBox(QRect(QPoint(0, 0), drawing.size));
  svg.setResolution(DrawingDpi());
  svg.setTitle(drawing.title);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  drawing.paint(painter);
  return painter.end();
}

}  // namespace

int DrawingDpi() { return QImage(1, 1, QImage::Format_RGB32).logicalDpiY(); }

QImage DrawingImage(const Drawing& drawing, qreal scale) {
  QImage image(drawing.size * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  drawing.paint(painter);
  return image;
}

std::optional<QString> SaveDrawing(const Drawing& drawing, const QString& path, int scale) {
  const std::optional<GraphFormat> format = GraphFormatOf(path.toStdString());
  if (!format) return Refusal(path, "the name must end in .png or .svg");
  if (scale < 1 || scale > MaxGraphScale)
    return Refusal(path, QString("the scale must be 1 to %1").arg(MaxGraphScale));
  // Drawn into memory first: a file that takes only part of the bytes (a full disk) then
  // shows as one, which QSvgGenerator, streaming into the file, would not notice.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!(*format == GraphFormat::Png ? WritePng(DrawingImage(drawing, scale), buffer)
                                    : WriteSvg(drawing, buffer)))
    return Refusal(path, "the drawing failed");
  // The file is written aside and takes the name only when whole; unless committed, what
  // was written goes with the QSaveFile.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Refusal(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.commit())
    return Refusal(path, file.error() != QFileDevice::NoError
                             ? file.errorString()
                             : QString("it could not be written whole"));
  return std::nullopt;
}

std::optional<QString> PrintDrawing(const Drawing& drawing, QPrinter& printer) {
  printer.setResolution(DrawingDpi());
  QPainter painter;
  if (!painter.begin(&printer)) {
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return QString("The graph cannot be printed on \"%1\".").arg(name);
  }
  const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
  const QSizeF size = drawing.size;
  const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
  painter.translate((page.width() - scale * size.width()) / 2,
                    (page.height() - scale * size.height()) / 2);
  painter.scale(scale, scale);
  drawing.paint(painter);
  painter.end();
  return std::nullopt;
}

}  // namespace alphastop::ui
