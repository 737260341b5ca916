#include "ui/common/AlphaIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace alphastop::ui {

void PaintAlphaTrack(QPainter& painter, qreal size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, size, size), QColor(0, 0, 128));
  painter.scale(size / 32.0, size / 32.0);

  QPainterPath track;  // straight while fast, bending near its end
  track.moveTo(3, 29);
  track.lineTo(15, 17);
  track.cubicTo(19, 13, 24, 15, 23, 10);
  track.cubicTo(22.5, 7.5, 26, 6.5, 27, 5);
  painter.setPen(QPen(QColor(255, 255, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(track);

  painter.setPen(Qt::NoPen);
  const QPointF nucleus(9, 23);
  const QPointF offsets[] = {{-2.2, -2.2}, {2.2, 2.2}, {2.2, -2.2}, {-2.2, 2.2}};
  for (int i = 0; i < 4; ++i) {
    painter.setBrush(i < 2 ? QColor(230, 40, 40) : QColor(200, 200, 200));
    painter.drawEllipse(nucleus + offsets[i], 2.6, 2.6);
  }
  painter.restore();
}

QPixmap AlphaTrackPicture(int logicalSize, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(logicalSize, logicalSize) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&pixmap);
  PaintAlphaTrack(painter, logicalSize);
  return pixmap;
}

QIcon AlphaTrackIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(AlphaTrackPicture(size, 1.0));
  return icon;
}

}  // namespace alphastop::ui
