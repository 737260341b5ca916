#include "ui/graph/GraphExport.h"

#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QPainter>
#include <QPrinter>
#include <QRegion>
#include <QSaveFile>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSvgGenerator>

#include <algorithm>

#include "core/data/MaterialTable.h"
#include "core/graph/GraphDrawing.h"
#include "core/graph/GraphFile.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/graph/Form2Design.h"
#include "ui/graph/PainterSurface.h"
#include "ui/graph/PictureBox.h"
#include "ui/graph/PngFile.h"
#include "ui/common/Twips.h"

namespace alphastop::ui {
namespace {

// As a label paints its one line: from the top-left corner of its box.
void PaintLabel(QPainter& painter, const TextDesign& design, const QString& text) {
  painter.setFont(DesignFont(Face::Serif, design.points));
  painter.setPen(GraphForeground);
  const QRect box = ToRect(design.box);
  painter.drawText(QRect(box.topLeft(), GraphWindowSize()), Qt::AlignLeft | Qt::AlignTop, text);
}

void PaintLegend(QPainter& painter) {
  for (const LineDesign& line : Form2LegendLines) {
    painter.setPen(QPen(ToQColor(line.colour), LegendLinePixels, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(line.x1, line.y1) / TwipsPerPixel,
                     QPointF(line.x2, line.y2) / TwipsPerPixel);
  }
  for (const TextDesign& label : Form2LegendLabels)
    PaintLabel(painter, label, QString::fromUtf8(label.text));
}

// The picture box's border as the style draws it for the window, in the window's colours.
void PaintSunkenBorder(QPainter& painter, const QRect& box) {
  QStyleOptionFrame option;
  option.rect = box;
  option.palette = QApplication::palette();
  option.palette.setColor(QPalette::Window, GraphBackground);
  option.palette.setColor(QPalette::Base, GraphBackground);
  option.palette.setColor(QPalette::WindowText, GraphForeground);
  option.state = QStyle::State_Enabled | QStyle::State_Sunken;
  option.frameShape = QFrame::Panel;
  option.lineWidth = PictureBox::BorderPixels;
  option.midLineWidth = 0;
  QApplication::style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter);
}

void PaintPicture(QPainter& painter, const MaterialTable& table) {
  const QRect box = ToRect(Picture1Box);
  const int side = TwipsToPixels(Picture1AreaTwips);
  const QRect area(box.topLeft() + QPoint(PictureBox::BorderPixels, PictureBox::BorderPixels),
                   QSize(side, side));
  painter.save();
  painter.translate(area.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), area.size()));
  PainterSurface surface(painter, area.size(), GraphScale);
  DrawGraphPicture(surface, table);
  surface.Flush();
  painter.restore();
  // An SVG file keeps no clip (QSvgGenerator writes none), so what a curve draws past the
  // area, which the window's picture never holds, is painted over before the rest comes.
  for (const QRect& band : QRegion(QRect(QPoint(0, 0), GraphWindowSize())) - area)
    painter.fillRect(band, GraphBackground);
  PaintSunkenBorder(painter, box);
}

std::optional<QString> Refusal(const QString& path, const QString& why) {
  return QString("The graph cannot be saved as \"%1\": %2.").arg(path, why);
}

bool WriteSvg(const MaterialTable& table, QIODevice& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(GraphWindowSize());
  svg.setViewBox(QRect(QPoint(0, 0), GraphWindowSize()));
  svg.setResolution(GraphDpi());
  svg.setTitle(FromUtf8(Form2Title.text) + " - " + FromUtf8(table.MaterialTitle));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  PaintGraphWindow(painter, table);
  return painter.end();
}

}  // namespace

QSize GraphWindowSize() { return ToRect(Form2Client).size(); }

int GraphDpi() { return QImage(1, 1, QImage::Format_RGB32).logicalDpiY(); }

void PaintGraphWindow(QPainter& painter, const MaterialTable& table) {
  painter.save();
  // The window's picture is drawn with its lines unsmoothed, as the design's were.
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRect(QPoint(0, 0), GraphWindowSize()), GraphBackground);
  PaintPicture(painter, table);
  PaintLabel(painter, Form2Title, FromUtf8(Form2Title.text));
  PaintLabel(painter, Form2MaterialTitle, FromUtf8(table.MaterialTitle));
  PaintLegend(painter);
  painter.restore();
}

QImage GraphImage(const MaterialTable& table, qreal scale) {
  QImage image(GraphWindowSize() * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  PaintGraphWindow(painter, table);
  return image;
}

std::optional<QString> SaveGraph(const MaterialTable& table, const QString& path, int scale) {
  const std::optional<GraphFormat> format = GraphFormatOf(path.toStdString());
  if (!format) return Refusal(path, "the name must end in .png or .svg");
  if (scale < 1 || scale > MaxGraphScale)
    return Refusal(path, QString("the scale must be 1 to %1").arg(MaxGraphScale));
  // Drawn into memory first: a file that takes only part of the bytes (a full disk) then
  // shows as one, which QSvgGenerator, streaming into the file, would not notice.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!(*format == GraphFormat::Png ? WritePng(GraphImage(table, scale), buffer)
                                    : WriteSvg(table, buffer)))
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

std::optional<QString> PrintGraph(const MaterialTable& table, QPrinter& printer) {
  printer.setResolution(GraphDpi());
  QPainter painter;
  if (!painter.begin(&printer)) {
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return QString("The graph cannot be printed on \"%1\".").arg(name);
  }
  const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
  const QSizeF graph = GraphWindowSize();
  const qreal scale = std::min(page.width() / graph.width(), page.height() / graph.height());
  painter.translate((page.width() - scale * graph.width()) / 2,
                    (page.height() - scale * graph.height()) / 2);
  painter.scale(scale, scale);
  PaintGraphWindow(painter, table);
  painter.end();
  return std::nullopt;
}

}  // namespace alphastop::ui
