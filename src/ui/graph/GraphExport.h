#pragma once
// The graph window's look drawn without the window, for files, the clipboard and the
// printer. It needs a QApplication, whose style draws the picture's sunken border as it
// draws the window's, but no display: the offscreen platform will do.

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;
class QPrinter;

namespace alphastop {
struct MaterialTable;
}

namespace alphastop::ui {

// The graph window's client area, in device-independent pixels.
QSize GraphWindowSize();

// The logical dots per inch of the window's pictures. A device drawn on should have it, so
// that font points become the pixels the window shows rather than the device's own.
int GraphDpi();

// Paints the window's look for table over (0, 0)-GraphWindowSize() of painter's
// coordinates: background, titles, legend, and the picture in its sunken border.
void PaintGraphWindow(QPainter& painter, const MaterialTable& table);

// The window's look at scale times its size, with device pixel ratio scale.
QImage GraphImage(const MaterialTable& table, qreal scale);

// Writes the window's look as PNG (scale times the window's size) or SVG (vector; the
// window's size) by path's extension. Returns nothing once the file is written, else a
// message naming path and what went wrong; the file is then absent, or as it was.
std::optional<QString> SaveGraph(const MaterialTable& table, const QString& path, int scale = 1);

// Prints the window's look fitted to the page, its proportions kept. Returns nothing once
// printed, else a message naming the printer, or the file it prints to.
std::optional<QString> PrintGraph(const MaterialTable& table, QPrinter& printer);

}  // namespace alphastop::ui
