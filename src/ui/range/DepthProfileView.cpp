#include "ui/range/DepthProfileView.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/graph/DepthGraph.h"
#include "ui/common/ImagePainting.h"
#include "ui/common/Palette.h"
#include "ui/graph/PainterSurface.h"

namespace alphastop::ui {

DepthProfileView::DepthProfileView(QWidget* parent) : QWidget(parent) {
  setObjectName("DepthProfile");
  setMinimumSize(400, 190);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(
      tr("dE/dx along the track through the layers: a line at each layer's exit, "
         "a square where the particle stops"));
}

void DepthProfileView::Show(const std::optional<DepthProfile>& profile) {
  profile_ = profile;
  Draw();
}

void DepthProfileView::Draw() {
  const qreal ratio = devicePixelRatioF();
  const QSize size = this->size();
  // The same image is drawn over while the size stays: a new one would cost its memory's
  // first use on every key.
  if (image_.size() != size * ratio) {
    image_ = QImage(size * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
  }
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (profile_ && profile_->points.size() > 1) {
    const DepthLayout layout = LayoutDepthPicture(size.width(), size.height());
    PainterSurface surface(painter, QSizeF(size), layout.scale);
    surface.SetPlainJoins(true);
    DrawDepthPicture(surface, *profile_, GraphStyle::Screen, layout);
    surface.Flush();
  } else {
    painter.fillRect(QRect(QPoint(0, 0), size), GraphBackground);
    painter.setPen(GraphForeground);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
                     tr("Type an energy and layers to see dE/dx along the track."));
  }
  painter.end();
  update();
}

void DepthProfileView::resizeEvent(QResizeEvent*) { Draw(); }

void DepthProfileView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintImagePart(painter, event->rect(), image_);
}

}  // namespace alphastop::ui
