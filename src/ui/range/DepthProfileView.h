#pragma once
// The range window's depth profile: dE/dx against the depth along the track through the
// stack, drawn in the graph window's colours into an image once per change of the stack.

#include <QImage>
#include <QWidget>

#include <optional>

#include "core/graph/Plot.h"
#include "core/energyloss/DepthProfile.h"

namespace alphastop::ui {

class DepthProfileView : public QWidget {
  Q_OBJECT
 public:
  explicit DepthProfileView(QWidget* parent = nullptr);

  // Draws the profile, or a line saying what the plot waits for where there is none.
  void Show(const std::optional<DepthProfile>& profile);

  // The picture as drawn, for tests and screenshots.
  const QImage& Picture() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The depth, energy and dE/dx of the profile's point under the pointer, as a tooltip.
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Draw();

  std::optional<DepthProfile> profile_;
  PlotAxis depthAxis_;
  PlotBox frame_;  // in pixels from the left; its y is not needed
  QImage image_;
};

}  // namespace alphastop::ui
