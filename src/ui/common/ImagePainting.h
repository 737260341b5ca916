#pragma once
// Pictures drawn once into an image and shown by widgets that repaint only what changed.

#include <QImage>
#include <QPainter>
#include <QRect>

namespace alphastop::ui {

// Paints the part of image under dirty (in device-independent pixels from the widget's top
// left), whatever the image's device pixel ratio.
inline void PaintImagePart(QPainter& painter, const QRect& dirty, const QImage& image) {
  const qreal ratio = image.devicePixelRatio();
  painter.drawImage(dirty, image,
                    QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}

}  // namespace alphastop::ui
