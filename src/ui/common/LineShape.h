#pragma once
#include <QColor>
#include <QObject>

class QPainter;
class QWidget;

namespace alphastop::ui {

// A straight line drawn by its container above the container's own drawing, like the
// designer's line control. End points are in the container's coordinates (user units on a
// picture, twips on a window), held in single precision.
class LineShape : public QObject {
  Q_OBJECT
  Q_PROPERTY(float X1 READ X1 WRITE SetX1)
  Q_PROPERTY(float Y1 READ Y1 WRITE SetY1)
  Q_PROPERTY(float X2 READ X2 WRITE SetX2)
  Q_PROPERTY(float Y2 READ Y2 WRITE SetY2)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
 public:
  LineShape(QWidget* container, const char* name, float x1, float y1, float x2, float y2,
            const QColor& colour, int widthPixels);

  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  bool Visible() const { return visible_; }
  QColor Colour() const { return colour_; }
  int WidthPixels() const { return width_; }

  void SetX1(float x);
  void SetY1(float y);
  void SetX2(float x);
  void SetY2(float y);
  void SetVisible(bool visible);

 private:
  void Changed();

  QWidget* container_;
  float x1_, y1_, x2_, y2_;
  QColor colour_;
  int width_;
  bool visible_ = true;
};

}  // namespace alphastop::ui
