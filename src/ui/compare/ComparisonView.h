#pragma once
// The comparison's picture in its window: drawn once per change into an image, with a
// vertical crosshair line over both plots that follows the pointer and says at which
// energy it stands.

#include <QImage>
#include <QWidget>

#include <optional>

#include "core/compare/Comparison.h"
#include "core/compare/ComparisonPicture.h"

namespace alphastop::ui {

class ComparisonView : public QWidget {
  Q_OBJECT
 public:
  explicit ComparisonView(QWidget* parent = nullptr);

  // Draws the comparison against curve base, or a picture asking for curves where there is
  // none; hides the crosshair.
  void Show(const std::optional<Comparison>& comparison, std::size_t base);

  // The picture as drawn, for tests and screenshots.
  const QImage& Picture() const { return image_; }
  // Where the pointer stands over the plots: an energy in MeV, none outside the frames.
  std::optional<double> EnergyAt(QPointF pixel) const;

 signals:
  // The pointer moved to an energy (MeV) over the plots, or off them.
  void PointedAt(std::optional<double> energy);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void MoveCrosshair(std::optional<double> x);
  QRect CrosshairRect(double x) const;

  std::optional<Comparison> comparison_;
  ComparisonLayout layout_;
  PlotAxis energyAxis_;
  QImage image_;
  std::optional<double> crosshairX_;  // pixels from the left
};

}  // namespace alphastop::ui
