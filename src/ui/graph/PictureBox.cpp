#include "ui/graph/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/LineShape.h"
#include "ui/common/Palette.h"

namespace alphastop::ui {

PictureBox::PictureBox(QWidget* parent, int areaPixels, const UserScale& scale)
    : QFrame(parent),
      areaPixels_(areaPixels),
      scale_(scale),
      surface_(painter_, QSizeF(areaPixels, areaPixels), scale) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(BorderPixels);
  resize(areaPixels + 2 * BorderPixels, areaPixels + 2 * BorderPixels);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);

  const qreal ratio = devicePixelRatioF();
  image_ = QImage(QSize(areaPixels, areaPixels) * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(GraphBackground);
}

PictureBox::~PictureBox() = default;

QPointF PictureBox::ToArea(double x, double y) const { return surface_.ToArea(x, y); }

// The painter stays open across the whole drawing, so one repaint, asked for as it opens,
// ends the painting and shows the picture.
DrawingSurface& PictureBox::Drawing() {
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    update(contentsRect());
  }
  return surface_;
}

// Closed before the picture is shown or read.
void PictureBox::EndPainting() {
  if (!painter_.isActive()) return;
  surface_.Flush();
  painter_.end();
}

QImage PictureBox::Picture() {
  EndPainting();
  return image_;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  EndPainting();
  // A new picture repaints the drawing area only; the sunken border, which costs as much
  // to draw as the whole picture, is drawn where the window asks for it.
  if (!contentsRect().contains(event->rect())) QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.drawImage(area.topLeft(), image_);
  painter.setClipRect(area);
  painter.translate(area.topLeft());
  PaintLineShapes(painter);
}

void PictureBox::PaintLineShapes(QPainter& painter) const {
  for (const LineShape* line : findChildren<LineShape*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!line->Visible()) continue;
    painter.setPen(QPen(line->Colour(), line->WidthPixels()));
    painter.drawLine(ToArea(line->X1(), line->Y1()), ToArea(line->X2(), line->Y2()));
  }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF inArea = event->position() - QPointF(contentsRect().topLeft());
  const UserPoint user = AreaToUser(scale_, areaPixels_, areaPixels_, {inArea.x(), inArea.y()});
  emit PointerMoved(static_cast<float>(user.x), static_cast<float>(user.y));
}

}  // namespace alphastop::ui
