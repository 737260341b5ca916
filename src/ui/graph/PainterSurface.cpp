#include "ui/graph/PainterSurface.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/common/Fonts.h"
#include "ui/common/Palette.h"

namespace alphastop::ui {

PainterSurface::PainterSurface(QPainter& painter, QSizeF area, const UserScale& scale,
                               GraphStyle style)
    : painter_(painter),
      area_(area),
      scale_(scale),
      background_(ToQColor(ColoursOf(style).background)),
      foreground_(ToQColor(ColoursOf(style).text)) {}

QPointF PainterSurface::ToArea(double x, double y) const {
  const AreaPoint p = UserToArea(scale_, area_.width(), area_.height(), {x, y});
  return {p.x, p.y};
}

void PainterSurface::Flush() {
  QList<QLineF> slanted;
  for (const QLineF& line : batchLines_) {
    // A thin line along an axis (the grid) covers the pixels of a rectangle one pixel
    // wide; filling that costs a fraction of stroking the line pixel by pixel.
    if (batchPen_.width() == 1 && (line.x1() == line.x2() || line.y1() == line.y2()))
      painter_.fillRect(QRectF(line.p1(), line.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5),
                        batchPen_.color());
    else
      slanted.append(line);
  }
  if (!slanted.isEmpty()) {
    painter_.setPen(batchPen_);
    painter_.drawLines(slanted);
  }
  if (batchPolyline_.size() > 1) {
    painter_.setPen(batchPen_);
    painter_.drawPolyline(batchPolyline_);
  }
  batchLines_.clear();
  batchPolyline_.clear();
}

QPen PainterSurface::PenOf(const QColor& colour) const {
  QPen pen(colour, drawWidth_);
  pen.setCapStyle(drawWidth_ > 1 && !plainJoins_ ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(plainJoins_ ? Qt::BevelJoin : Qt::RoundJoin);
  if (dash_.count > 0) {
    // Round caps would lengthen every dash by the pen's width and close the short gaps.
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern(QList<qreal>(dash_.lengths.begin(), dash_.lengths.begin() + dash_.count));
  }
  return pen;
}

void PainterSurface::Clear() {
  batchLines_.clear();
  batchPolyline_.clear();
  painter_.fillRect(QRectF(QPointF(0, 0), area_), background_);
  current_ = text_ = QPointF(0, 0);
}

void PainterSurface::SetDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

void PainterSurface::SetDash(const Dash& dash) { dash_ = dash; }

void PainterSurface::SetPoint(float x, float y) {
  Flush();
  QPen pen = PenOf(foreground_);
  pen.setCapStyle(Qt::RoundCap);
  painter_.setPen(pen);
  painter_.drawPoint(ToArea(x, y));
  current_ = QPointF(x, y);
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, Rgb colour) {
  const QPen pen = PenOf(ToQColor(colour));
  if (!batchPolyline_.isEmpty() || pen != batchPen_) Flush();
  batchPen_ = pen;
  batchLines_.append(QLineF(ToArea(x1, y1), ToArea(x2, y2)));
  current_ = QPointF(x2, y2);
}

void PainterSurface::LineTo(float x, float y, Rgb colour) {
  const QPen pen = PenOf(ToQColor(colour));
  if (!batchLines_.isEmpty() || pen != batchPen_) Flush();
  if (batchPolyline_.isEmpty()) {
    batchPen_ = pen;
    batchPolyline_.append(ToArea(current_.x(), current_.y()));
  }
  batchPolyline_.append(ToArea(x, y));
  current_ = QPointF(x, y);
}

void PainterSurface::Rectangle(float x1, float y1, float x2, float y2, Rgb colour) {
  DrawRectangle(x1, y1, x2, y2, ToQColor(colour), Qt::NoBrush);
}

void PainterSurface::FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) {
  DrawRectangle(x1, y1, x2, y2, ToQColor(colour), ToQColor(colour));
}

void PainterSurface::DrawRectangle(float x1, float y1, float x2, float y2, const QColor& colour,
                                   const QBrush& fill) {
  Flush();
  painter_.setPen(PenOf(colour));
  painter_.setBrush(fill);
  painter_.drawRect(QRectF(ToArea(x1, y1), ToArea(x2, y2)).normalized());
  painter_.setBrush(Qt::NoBrush);
  current_ = QPointF(x2, y2);
}

void PainterSurface::SetFontSize(double points) { fontPoints_ = points; }

void PainterSurface::SetTextPosition(float x, float y) { text_ = QPointF(x, y); }

void PainterSurface::Print(std::string_view text, PrintEnd end) {
  Flush();
  const QFont font = DesignFont(Face::Serif, fontPoints_);
  painter_.setFont(font);
  painter_.setPen(foreground_);
  const QFontMetricsF metrics(font, painter_.device());
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QPointF cellTopLeft = ToArea(text_.x(), text_.y());
  painter_.drawText(cellTopLeft + QPointF(0, metrics.ascent()), string);

  const double unitsPerPixelX = scale_.width / area_.width();
  const double unitsPerPixelY = scale_.height / area_.height();
  if (end == PrintEnd::ContinueLine) {
    text_.rx() += metrics.horizontalAdvance(string) * unitsPerPixelX;
  } else {
    text_ = QPointF(scale_.left, text_.y() + metrics.height() * unitsPerPixelY);
  }
}

double PainterSurface::TextWidthPixels(std::string_view text, double points) const {
  const QFontMetricsF metrics(DesignFont(Face::Serif, points), painter_.device());
  return metrics.horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace alphastop::ui
