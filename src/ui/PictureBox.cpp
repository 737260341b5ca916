#include "ui/PictureBox.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Fonts.h"
#include "ui/LineShape.h"
#include "ui/Palette.h"

namespace alphastop::ui {
namespace {

constexpr int BorderPixels = 2;

}  // namespace

PictureBox::PictureBox(QWidget* parent, int areaPixels, const UserScale& scale)
    : QFrame(parent), areaPixels_(areaPixels), scale_(scale) {
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

QPointF PictureBox::ToArea(double x, double y) const {
  const AreaPoint p = UserToArea(scale_, areaPixels_, areaPixels_, {x, y});
  return {p.x, p.y};
}

QPainter& PictureBox::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::TextAntialiasing);
  }
  return *painter_;
}

void PictureBox::DrawBatch() {
  QList<QLineF> slanted;
  for (const QLineF& line : batchLines_) {
    // A thin line along an axis (the grid) covers the pixels of a rectangle one pixel
    // wide; filling that costs a fraction of stroking the line pixel by pixel.
    if (batchPen_.width() == 1 && (line.x1() == line.x2() || line.y1() == line.y2()))
      Painter().fillRect(QRectF(line.p1(), line.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5), batchPen_.color());
    else
      slanted.append(line);
  }
  if (!slanted.isEmpty()) {
    Painter().setPen(batchPen_);
    Painter().drawLines(slanted);
  }
  if (batchPolyline_.size() > 1) {
    Painter().setPen(batchPen_);
    Painter().drawPolyline(batchPolyline_);
  }
  batchLines_.clear();
  batchPolyline_.clear();
}

// The painter stays open across a whole drawing; it is closed before the picture is shown.
void PictureBox::EndPainting() {
  DrawBatch();
  painter_.reset();
}

QPen PictureBox::PenOf(const QColor& colour) const {
  QPen pen(colour, drawWidth_);
  pen.setCapStyle(drawWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void PictureBox::Clear() {
  batchLines_.clear();
  batchPolyline_.clear();
  Painter().fillRect(QRectF(0, 0, areaPixels_, areaPixels_), GraphBackground);
  current_ = text_ = QPointF(0, 0);
  update(contentsRect());
}

void PictureBox::SetDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

void PictureBox::SetPoint(float x, float y) {
  DrawBatch();
  QPainter& painter = Painter();
  QPen pen = PenOf(GraphForeground);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.drawPoint(ToArea(x, y));
  current_ = QPointF(x, y);
  update(contentsRect());
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Rgb colour) {
  const QPen pen = PenOf(ToQColor(colour));
  if (!batchPolyline_.isEmpty() || pen != batchPen_) DrawBatch();
  batchPen_ = pen;
  batchLines_.append(QLineF(ToArea(x1, y1), ToArea(x2, y2)));
  current_ = QPointF(x2, y2);
  update(contentsRect());
}

void PictureBox::LineTo(float x, float y, Rgb colour) {
  const QPen pen = PenOf(ToQColor(colour));
  if (!batchLines_.isEmpty() || pen != batchPen_) DrawBatch();
  if (batchPolyline_.isEmpty()) {
    batchPen_ = pen;
    batchPolyline_.append(ToArea(current_.x(), current_.y()));
  }
  batchPolyline_.append(ToArea(x, y));
  current_ = QPointF(x, y);
  update(contentsRect());
}

void PictureBox::Rectangle(float x1, float y1, float x2, float y2, Rgb colour) {
  DrawRectangle(x1, y1, x2, y2, ToQColor(colour), Qt::NoBrush);
}

void PictureBox::FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) {
  DrawRectangle(x1, y1, x2, y2, ToQColor(colour), ToQColor(colour));
}

void PictureBox::DrawRectangle(float x1, float y1, float x2, float y2, const QColor& colour, const QBrush& fill) {
  DrawBatch();
  QPainter& painter = Painter();
  painter.setPen(PenOf(colour));
  painter.setBrush(fill);
  painter.drawRect(QRectF(ToArea(x1, y1), ToArea(x2, y2)).normalized());
  painter.setBrush(Qt::NoBrush);
  current_ = QPointF(x2, y2);
  update(contentsRect());
}

void PictureBox::SetFontSize(double points) { fontPoints_ = points; }

void PictureBox::SetTextPosition(float x, float y) { text_ = QPointF(x, y); }

void PictureBox::Print(std::string_view text, PrintEnd end) {
  DrawBatch();
  QPainter& painter = Painter();
  const QFont font = DesignFont(Face::Serif, fontPoints_);
  painter.setFont(font);
  painter.setPen(GraphForeground);
  const QFontMetricsF metrics(font, &image_);
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QPointF cellTopLeft = ToArea(text_.x(), text_.y());
  painter.drawText(cellTopLeft + QPointF(0, metrics.ascent()), string);

  const double unitsPerPixelX = scale_.width / areaPixels_;
  const double unitsPerPixelY = scale_.height / areaPixels_;
  if (end == PrintEnd::ContinueLine) {
    text_.rx() += metrics.horizontalAdvance(string) * unitsPerPixelX;
  } else {
    text_ = QPointF(scale_.left, text_.y() + metrics.height() * unitsPerPixelY);
  }
  update(contentsRect());
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
