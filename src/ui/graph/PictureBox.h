#pragma once
#include <QFrame>
#include <QImage>
#include <QPainter>

#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphMapping.h"
#include "ui/graph/PainterSurface.h"

namespace alphastop::ui {

class LineShape;

// The graph's drawing surface: a sunken box whose drawing area carries a user scale and
// keeps a persistent picture, drawn once per load and shown unchanged however often the
// window is covered or moved. The picture is held at the device pixel ratio of its screen,
// so it stays crisp at 2x scaling. Line shapes inside it paint above the picture. The
// drawing itself is a PainterSurface's, the same as every export's.
class PictureBox : public QFrame {
  Q_OBJECT
 public:
  static constexpr int BorderPixels = 2;

  // areaPixels: the drawing area's side in device-independent pixels.
  PictureBox(QWidget* parent, int areaPixels, const UserScale& scale);
  ~PictureBox() override;

  // The surface to draw the picture on, in user units. Its first drawing after the picture
  // was shown asks for one repaint, which shows all that is drawn until then.
  DrawingSurface& Drawing();

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
  void EndPainting();
  void PaintLineShapes(QPainter& painter) const;

  int areaPixels_;
  UserScale scale_;
  QImage image_;
  // Open on the image across a whole drawing; ended before the picture is shown.
  QPainter painter_;
  PainterSurface surface_;
};

}  // namespace alphastop::ui
