#include "ui/common/LineShape.h"

#include <QWidget>

namespace alphastop::ui {

LineShape::LineShape(QWidget* container, const char* name, float x1, float y1, float x2, float y2,
                     const QColor& colour, int widthPixels)
    : QObject(container),
      container_(container),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      colour_(colour),
      width_(widthPixels) {
  setObjectName(name);
}

void LineShape::SetX1(float x) {
  x1_ = x;
  Changed();
}
void LineShape::SetY1(float y) {
  y1_ = y;
  Changed();
}
void LineShape::SetX2(float x) {
  x2_ = x;
  Changed();
}
void LineShape::SetY2(float y) {
  y2_ = y;
  Changed();
}
void LineShape::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

// Painting waits for the event loop, so a handler's several changes show as one. A line
// lies inside its container's contents, never on a border.
void LineShape::Changed() { container_->update(container_->contentsRect()); }

}  // namespace alphastop::ui
