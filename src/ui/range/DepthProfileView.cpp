#include "ui/range/DepthProfileView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "core/graph/DepthGraph.h"
#include "core/graph/PlotDrawing.h"
#include "ui/common/Controls.h"
#include "ui/common/ImagePainting.h"
#include "ui/common/Palette.h"
#include "ui/graph/PainterSurface.h"

namespace alphastop::ui {

DepthProfileView::DepthProfileView(QWidget* parent) : QWidget(parent) {
  setObjectName("DepthProfile");
  setMinimumSize(400, 190);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
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
    const Plot plot = DepthPlotOf(*profile_);
    depthAxis_ = plot.x;
    frame_ = layout.plot.frame;
    PainterSurface surface(painter, QSizeF(size), layout.scale);
    surface.SetPlainJoins(true);
    surface.Clear();
    DrawPlot(surface, plot, layout.plot, GraphStyle::Screen);
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

void DepthProfileView::mouseMoveEvent(QMouseEvent* event) {
  std::optional<std::string> readout;
  if (profile_ && event->position().x() >= frame_.left && event->position().x() <= frame_.right)
    readout = DepthReadoutAt(
        *profile_, UserToAxis(depthAxis_, frame_.left, frame_.right, event->position().x()));
  if (readout)
    QToolTip::showText(event->globalPosition().toPoint(), FromUtf8(*readout), this);
  else
    QToolTip::hideText();
}

void DepthProfileView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintImagePart(painter, event->rect(), image_);
}

}  // namespace alphastop::ui
