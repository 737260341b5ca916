#include "ui/graph/GraphExport.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFrame>

#include "core/data/MaterialTable.h"
#include "core/graph/GraphDrawing.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/graph/Form2Design.h"
#include "ui/graph/PainterSurface.h"
#include "ui/graph/PictureBox.h"
#include "ui/common/Twips.h"

namespace alphastop::ui {
namespace {

QColor TextColour(GraphStyle style) { return ToQColor(ColoursOf(style).text); }

// As a label paints its one line: from the top-left corner of its box.
void PaintLabel(QPainter& painter, const TextDesign& design, const QString& text,
                GraphStyle style) {
  painter.setFont(DesignFont(Face::Serif, design.points));
  painter.setPen(TextColour(style));
  const QRect box = ToRect(design.box);
  painter.drawText(QRect(box.topLeft(), GraphWindowSize()), Qt::AlignLeft | Qt::AlignTop, text);
}

void PaintLegend(QPainter& painter, GraphLook look) {
  const int entries = look.view == GraphView::Ranges ? Form2RangeLegendEntries : 3;
  for (int i = 0; i < entries; ++i) {
    const LineDesign& line = Form2LegendLines[i];
    const CurvePen pen = LegendPen(look.view, look.style, i);
    QPen qpen(ToQColor(pen.colour), LegendLinePixels, Qt::SolidLine, Qt::FlatCap);
    if (pen.dash.count > 0)
      qpen.setDashPattern(
          QList<qreal>(pen.dash.lengths.begin(), pen.dash.lengths.begin() + pen.dash.count));
    painter.setPen(qpen);
    painter.drawLine(QPointF(line.x1, line.y1) / TwipsPerPixel,
                     QPointF(line.x2, line.y2) / TwipsPerPixel);
    PaintLabel(painter, Form2LegendLabels[i], LegendText(look.view, i), look.style);
  }
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

void DrawLook(DrawingSurface& surface, const MaterialTable& table, GraphLook look) {
  if (look.view == GraphView::Ranges)
    DrawRangeGraphPicture(surface, table, look.style, TwipsToPixels(Picture1AreaTwips));
  else
    DrawGraphPicture(surface, table, look.style);
}

void PaintPicture(QPainter& painter, const MaterialTable& table, GraphLook look) {
  const QRect box = ToRect(Picture1Box);
  const int side = TwipsToPixels(Picture1AreaTwips);
  const QRect area(box.topLeft() + QPoint(PictureBox::BorderPixels, PictureBox::BorderPixels),
                   QSize(side, side));
  painter.save();
  painter.translate(area.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), area.size()));
  PainterSurface surface(painter, area.size(), GraphScale, look.style);
  DrawLook(surface, table, look);
  surface.Flush();
  painter.restore();
  // An SVG file keeps no clip (QSvgGenerator writes none), so what a curve draws past the
  // area, which the window's picture never holds, is painted over before the rest comes.
  const QColor background = ToQColor(ColoursOf(look.style).background);
  for (const QRect& band : QRegion(QRect(QPoint(0, 0), GraphWindowSize())) - area)
    painter.fillRect(band, background);
  if (look.style == GraphStyle::Screen) PaintSunkenBorder(painter, box);
}

}  // namespace

QSize GraphWindowSize() { return ToRect(Form2Client).size(); }

int GraphDpi() { return DrawingDpi(); }

void DrawGraphView(DrawingSurface& surface, const MaterialTable& table, GraphView view) {
  DrawLook(surface, table, {view, GraphStyle::Screen});
}

void PaintGraphWindow(QPainter& painter, const MaterialTable& table, GraphLook look) {
  painter.save();
  // The window's picture is drawn with its lines unsmoothed, as the design's were.
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRect(QPoint(0, 0), GraphWindowSize()),
                   ToQColor(ColoursOf(look.style).background));
  PaintPicture(painter, table, look);
  PaintLabel(painter, Form2Title, GraphTitleText(look.view), look.style);
  PaintLabel(painter, Form2MaterialTitle, FromUtf8(table.MaterialTitle), look.style);
  PaintLegend(painter, look);
  painter.restore();
}

Drawing GraphWindowDrawing(const MaterialTable& table, GraphLook look) {
  return {GraphWindowSize(), GraphTitleText(look.view) + " - " + FromUtf8(table.MaterialTitle),
          [&table, look](QPainter& painter) { PaintGraphWindow(painter, table, look); }};
}

QImage GraphImage(const MaterialTable& table, qreal scale, GraphLook look) {
  return DrawingImage(GraphWindowDrawing(table, look), scale);
}

std::optional<QString> SaveGraph(const MaterialTable& table, const QString& path, int scale,
                                 GraphLook look) {
  return SaveDrawing(GraphWindowDrawing(table, look), path, scale);
}

std::optional<QString> PrintGraph(const MaterialTable& table, QPrinter& printer, GraphLook look) {
  return PrintDrawing(GraphWindowDrawing(table, look), printer);
}

}  // namespace alphastop::ui
