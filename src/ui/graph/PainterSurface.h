#pragma once
#include <QLineF>
#include <QList>
#include <QColor>
#include <QPen>
#include <QPolygonF>
#include <QSizeF>

#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphMapping.h"

class QPainter;

namespace alphastop::ui {

// The graph's drawing on any Qt paint device: the screen's picture, an image, an SVG file,
// a printed page. The drawing area lies at the painter's origin; its size is in
// device-independent pixels, which the painter's transform takes to the device.
class PainterSurface final : public DrawingSurface {
 public:
  // The painter must be active whenever a call draws or measures; the setters draw
  // nothing. The background and the foreground are the style's (ColoursOf).
  PainterSurface(QPainter& painter, QSizeF area, const UserScale& scale,
                 GraphStyle style = GraphStyle::Screen);

  void Clear() override;
  void SetDrawWidth(int pixels) override;
  void SetDash(const Dash& dash) override;
  void SetPoint(float x, float y) override;
  void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void LineTo(float x, float y, Rgb colour) override;
  void Rectangle(float x1, float y1, float x2, float y2, Rgb colour) override;
  void FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) override;
  void SetFontSize(double points) override;
  void SetTextPosition(float x, float y) override;
  void Print(std::string_view text, PrintEnd end) override;
  double TextWidthPixels(std::string_view text, double points) const override;

  // Draws the lines still waiting; due before the picture is shown or the painter ends.
  void Flush();
  // Joins wide lines with a bevel and ends them square instead of rounding both, which
  // costs half as much where many curves of many points are drawn (the comparison).
  void SetPlainJoins(bool plain) { plainJoins_ = plain; }
  // Where a user-unit point lies in the drawing area, in device-independent pixels.
  QPointF ToArea(double x, double y) const;

 private:
  QPen PenOf(const QColor& colour) const;
  void DrawRectangle(float x1, float y1, float x2, float y2, const QColor& colour,
                     const QBrush& fill);

  QPainter& painter_;
  QSizeF area_;
  UserScale scale_;
  QColor background_;
  QColor foreground_;
  int drawWidth_ = 1;
  Dash dash_ = SolidLine;
  bool plainJoins_ = false;
  double fontPoints_ = 14.25;
  QPointF current_;  // user units: the current position of lines and points
  QPointF text_;     // user units: where the next text's cell begins
  // Lines wait here while they come in one pen, and are drawn in one call when anything
  // else is drawn or the picture is shown: the grid's lines together, and a run of LineTo
  // segments as one polyline, which the rasterizer fills once instead of once a segment.
  QPen batchPen_;
  QList<QLineF> batchLines_;  // drawing-area pixels
  QPolygonF batchPolyline_;   // drawing-area pixels
};

}  // namespace alphastop::ui
