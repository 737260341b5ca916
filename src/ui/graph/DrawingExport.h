#pragma once
// A drawing made for files, the clipboard and the printer: the graph window's look and the
// comparison's picture are saved, copied and printed alike through these.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QPrinter;

namespace alphastop::ui {

struct Drawing {
  QSize size;     // device-independent pixels
  QString title;  // an SVG file's title
  // Paints the drawing over (0, 0)-size of the painter's coordinates.
  std::function<void(QPainter&)> paint;
};

// The logical dots per inch of the pictures. A device drawn on should have it, so that
// font points become the pixels the window shows rather than the device's own.
int DrawingDpi();

// The drawing at scale times its size, with device pixel ratio scale.
QImage DrawingImage(const Drawing& drawing, qreal scale);

// Writes the drawing as PNG (scale times its size, 1 to MaxGraphScale) or SVG (vector; its
// size) by path's extension. Returns nothing once the file is written, else a message
// naming path and what went wrong; the file is then absent, or as it was.
std::optional<QString> SaveDrawing(const Drawing& drawing, const QString& path, int scale = 1);

// Prints the drawing fitted to the page, its proportions kept. Returns nothing once
// printed, else a message naming the printer, or the file it prints to.
std::optional<QString> PrintDrawing(const Drawing& drawing, QPrinter& printer);

}  // namespace alphastop::ui
