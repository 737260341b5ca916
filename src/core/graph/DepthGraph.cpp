#include "core/graph/DepthGraph.h"

#include <algorithm>
#include <limits>

#include "core/graph/PlotDrawing.h"

namespace alphastop {
namespace {

constexpr double TextPoints = 9;
constexpr double LeftMargin = 60;
constexpr double RightMargin = 16;
constexpr double Pad = 6;

constexpr double DensitySpread = 10;

// keV/µm per MeV cm2/g is a tenth of the density in g/cm3; the stop has no stopping power.
bool InLengths(const DepthProfile& profile) {
  double lowest = std::numeric_limits<double>::infinity(), highest = 0;
  for (const DepthPoint& p : profile.points) {
    if (!p.depthMicrometres || !p.stoppingKeVPerMicrometre) return false;
    if (p.stopping <= 0) continue;
    const double density = *p.stoppingKeVPerMicrometre / p.stopping;
    lowest = std::min(lowest, density);
    highest = std::max(highest, density);
  }
  return highest <= DensitySpread * lowest;
}

}  // namespace

Plot DepthPlotOf(const DepthProfile& profile) {
  const bool lengths = InLengths(profile);
  const auto depth = [&](const DepthPoint& p) {
    return lengths ? *p.depthMicrometres : p.depth * 1e3;  // mg/cm2
  };
  const auto stopping = [&](const DepthPoint& p) {
    return lengths ? *p.stoppingKeVPerMicrometre : p.stopping;
  };
  Plot plot;
  PlotCurve curve{"dE/dx", {}, 0};
  std::vector<double> depths{0}, stoppings;
  const std::vector<DepthPoint>& points = profile.points;
  for (std::size_t k = 0; k < points.size(); ++k) {
    curve.points.push_back({depth(points[k]), stopping(points[k])});
    depths.push_back(depth(points[k]));
    stoppings.push_back(stopping(points[k]));
    const bool lastOfLayer =
        k + 1 == points.size() ? !profile.stopped : points[k + 1].layer != points[k].layer;
    if (lastOfLayer) plot.xMarks.push_back(depth(points[k]));
  }
  if (profile.stopped && !points.empty()) plot.markedPoint = curve.points.back();
  plot.curves.push_back(std::move(curve));
  plot.x =
      AxisAround(AxisScale::Linear, depths,
                 lengths ? "Depth along the track, \u00b5m" : "Depth along the track, mg/cm\u00b2");
  plot.y = AxisAround(AxisScale::Linear, stoppings,
                      lengths ? "dE/dx, keV/\u00b5m" : "dE/dx, MeV cm\u00b2/g");
  return plot;
}

DepthLayout LayoutDepthPicture(double width, double height) {
  const double line = TextLinePixels(TextPoints);
  DepthLayout layout{.scale = {0, height, width, -height}, .plot = {}};
  PlotLayout& plot = layout.plot;
  plot.frame = {LeftMargin, 2 * line + 2 * Pad, std::max(width - RightMargin, LeftMargin + 1),
                std::max(height - line - 2 * Pad, 2 * line + 2 * Pad + 1)};
  plot.tickPoints = plot.titlePoints = plot.yTitlePoints = plot.exponentPoints = TextPoints;
  plot.legendPoints = TextPoints;
  return layout;
}

void DrawDepthPicture(DrawingSurface& surface, const DepthProfile& profile, GraphStyle style,
                      const DepthLayout& layout) {
  surface.Clear();
  DrawPlot(surface, DepthPlotOf(profile), layout.plot, style);
}

}  // namespace alphastop
