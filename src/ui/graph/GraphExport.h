#pragma once
// The graph window's look drawn without the window, for files, the clipboard and the
// printer: the stopping powers or the ranges, in the screen's designed look or the print
// style. It needs a QApplication, whose style draws the picture's sunken border as it
// draws the window's, but no display: the offscreen platform will do.

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

#include "core/graph/GraphStyle.h"
#include "core/graph/RangeGraph.h"
#include "ui/graph/DrawingExport.h"

class QPainter;
class QPrinter;

namespace alphastop {
struct MaterialTable;
}

namespace alphastop::ui {

// What the graph shows and how.
struct GraphLook {
  GraphView view = GraphView::StoppingPowers;
  GraphStyle style = GraphStyle::Screen;
};

// The graph window's client area, in device-independent pixels.
QSize GraphWindowSize();

// The logical dots per inch of the window's pictures (DrawingDpi).
int GraphDpi();

// Draws the picture of the view on the window's picture surface, in the screen's look.
void DrawGraphView(DrawingSurface& surface, const MaterialTable& table, GraphView view);

// Paints the window's look for table over (0, 0)-GraphWindowSize() of painter's
// coordinates: background, titles, legend, and the picture in its border (sunken on the
// screen; none in print).
void PaintGraphWindow(QPainter& painter, const MaterialTable& table, GraphLook look = {});

// The window's look as a drawing to save, copy or print.
Drawing GraphWindowDrawing(const MaterialTable& table, GraphLook look = {});

// The window's look at scale times its size, with device pixel ratio scale.
QImage GraphImage(const MaterialTable& table, qreal scale, GraphLook look = {});

// Writes the window's look as PNG (scale times the window's size) or SVG (vector; the
// window's size) by path's extension. Returns nothing once the file is written, else a
// message naming path and what went wrong; the file is then absent, or as it was.
std::optional<QString> SaveGraph(const MaterialTable& table, const QString& path, int scale = 1,
                                 GraphLook look = {});

// Prints the window's look fitted to the page, its proportions kept. Returns nothing once
// printed, else a message naming the printer, or the file it prints to.
std::optional<QString> PrintGraph(const MaterialTable& table, QPrinter& printer,
                                  GraphLook look = {});

}  // namespace alphastop::ui
