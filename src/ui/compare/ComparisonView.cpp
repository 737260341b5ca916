#include "ui/compare/ComparisonView.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/ImagePainting.h"
#include "ui/common/Palette.h"
#include "ui/graph/PainterSurface.h"

namespace alphastop::ui {
namespace {

const QSize PictureSize(static_cast<int>(ComparisonWidth), static_cast<int>(ComparisonHeight));

}  // namespace

ComparisonView::ComparisonView(QWidget* parent)
    : QWidget(parent), layout_(LayoutComparison(ComparisonWidth, ComparisonHeight, 0)) {
  setFixedSize(PictureSize);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Show(std::nullopt, 0);
}

void ComparisonView::Show(const std::optional<Comparison>& comparison, std::size_t base) {
  comparison_ = comparison;
  const qreal ratio = devicePixelRatioF();
  // The same image is drawn over each time: a new one would cost its memory's first use.
  if (image_.size() != PictureSize * ratio) {
    image_ = QImage(PictureSize * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
  }
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (comparison_ && !comparison_->curves.empty()) {
    layout_ = LayoutComparison(ComparisonWidth, ComparisonHeight, comparison_->curves.size());
    energyAxis_ = CurvesPlot(*comparison_).x;
    PainterSurface surface(painter, PictureSize, layout_.scale);
    surface.SetPlainJoins(true);
    DrawComparison(surface, *comparison_, base, GraphStyle::Screen, layout_);
    surface.Flush();
  } else {
    painter.fillRect(image_.rect(), GraphBackground);
    painter.setPen(GraphForeground);
    painter.drawText(QRect(QPoint(0, 0), PictureSize), Qt::AlignCenter,
                     tr("Add up to eight materials or files on the left."));
  }
  painter.end();
  crosshairX_.reset();
  update();
}

std::optional<double> ComparisonView::EnergyAt(QPointF pixel) const {
  if (!comparison_ || comparison_->curves.empty()) return std::nullopt;
  const PlotBox& top = layout_.curves.frame;
  const PlotBox& bottom = layout_.differences.frame;
  const double y = ComparisonHeight - pixel.y();  // user units grow upward
  if (pixel.x() < top.left || pixel.x() > top.right || y < bottom.bottom || y > top.top)
    return std::nullopt;
  return UserToAxis(energyAxis_, top.left, top.right, pixel.x());
}

void ComparisonView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<double> energy = EnergyAt(event->position());
  MoveCrosshair(energy ? std::optional<double>(event->position().x()) : std::nullopt);
  emit PointedAt(energy);
}

void ComparisonView::leaveEvent(QEvent*) {
  MoveCrosshair(std::nullopt);
  emit PointedAt(std::nullopt);
}

QRect ComparisonView::CrosshairRect(double x) const {
  const double top = ComparisonHeight - layout_.curves.frame.top;
  const double bottom = ComparisonHeight - layout_.differences.frame.bottom;
  return QRectF(QPointF(x - 1, top), QPointF(x + 1, bottom)).toAlignedRect();
}

// Only the strips of the old and the new line are painted again.
void ComparisonView::MoveCrosshair(std::optional<double> x) {
  if (x == crosshairX_) return;
  if (crosshairX_) update(CrosshairRect(*crosshairX_));
  crosshairX_ = x;
  if (crosshairX_) update(CrosshairRect(*crosshairX_));
}

void ComparisonView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintImagePart(painter, event->rect(), image_);
  if (!crosshairX_) return;
  painter.setPen(QPen(CursorColour, 1));
  const QRect line = CrosshairRect(*crosshairX_);
  painter.drawLine(QPointF(*crosshairX_, line.top()), QPointF(*crosshairX_, line.bottom()));
}

}  // namespace alphastop::ui
