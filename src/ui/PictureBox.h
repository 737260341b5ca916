#pragma once
#include <QFrame>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPolygonF>
#include <memory>

#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphMapping.h"

class QPainter;

namespace alphastop::ui {

class LineShape;

// The graph's drawing surface: a sunken box whose drawing area carries a user scale and
// keeps a persistent picture, drawn once per load and shown unchanged however often the
// window is covered or moved. The picture is held at the device pixel ratio of its screen,
// so it stays crisp at 2x scaling. Line shapes inside it paint above the picture.
class PictureBox : public QFrame, public DrawingSurface {
  Q_OBJECT
 public:
  // areaPixels: the drawing area's side in device-independent pixels.
  PictureBox(QWidget* parent, int areaPixels, const UserScale& scale);
  ~PictureBox() override;

  void Clear() override;
  void SetDrawWidth(int pixels) override;
  void SetPoint(float x, float y) override;
  void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void LineTo(float x, float y, Rgb colour) override;
  void Rectangle(float x1, float y1, float x2, float y2, Rgb colour) override;
  void FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) override;
  void SetFontSize(double points) override;
  void SetTextPosition(float x, float y) override;
  void Print(std::string_view text, PrintEnd end) override;

  // The picture as drawn so far (device pixels), for tests and screenshots.
  QImage Picture();
  // Where a user-unit point lies in the drawing area, in device-independent pixels.
  QPointF ToArea(double x, double y) const;

 signals:
  // The pointer moved over the drawing area; X and Y in user units.
  void PointerMoved(float X, float Y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPainter& Painter();
  void DrawBatch();
  void EndPainting();
  QPen PenOf(const QColor& colour) const;
  void DrawRectangle(float x1, float y1, float x2, float y2, const QColor& colour, const QBrush& fill);
  void PaintLineShapes(QPainter& painter) const;

  int areaPixels_;
  UserScale scale_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  int drawWidth_ = 1;
  double fontPoints_ = 14.25;
  QPointF current_;  // user units: the current position of lines and points
  QPointF text_;     // user units: where the next text's cell begins
  // Lines wait here while they come in one pen, and are drawn in one call when anything
  // else is drawn or the picture is shown: the grid's lines together, and a run of LineTo
  // segments as one polyline, which the rasterizer fills once instead of once a segment.
  QPen batchPen_;
  QList<QLineF> batchLines_;   // drawing-area pixels
  QPolygonF batchPolyline_;    // drawing-area pixels
};

}  // namespace alphastop::ui
