#include "core/graph/DepthGraph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/graph/PlotDrawing.h"
#include "core/text/NumberFormat.h"

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

// A point's depth and stopping power in the plot's units.
struct PlotUnits {
  bool lengths;
  double Depth(const DepthPoint& p) const {
    return lengths ? *p.depthMicrometres : p.depth * 1e3;  // mg/cm2
  }
  double Stopping(const DepthPoint& p) const {
    return lengths ? *p.stoppingKeVPerMicrometre : p.stopping;
  }
};

}  // namespace

Plot DepthPlotOf(const DepthProfile& profile) {
  const PlotUnits units{InLengths(profile)};
  Plot plot;
  PlotCurve curve{"dE/dx", {}, 0};
  std::vector<double> depths{0}, stoppings;
  const std::vector<DepthPoint>& points = profile.points;
  for (std::size_t k = 0; k < points.size(); ++k) {
    curve.points.push_back({units.Depth(points[k]), units.Stopping(points[k])});
    depths.push_back(curve.points.back().x);
    stoppings.push_back(curve.points.back().y);
    const bool lastOfLayer =
        k + 1 == points.size() ? !profile.stopped : points[k + 1].layer != points[k].layer;
    if (lastOfLayer) plot.xMarks.push_back(curve.points.back().x);
  }
  if (profile.stopped && !points.empty()) plot.markedPoint = curve.points.back();
  plot.curves.push_back(std::move(curve));
  plot.x = AxisAround(
      AxisScale::Linear, depths,
      units.lengths ? "Depth along the track, \u00b5m" : "Depth along the track, mg/cm\u00b2");
  plot.y = AxisAround(AxisScale::Linear, stoppings,
                      units.lengths ? "dE/dx, keV/\u00b5m" : "dE/dx, MeV cm\u00b2/g");
  return plot;
}

std::optional<std::string> DepthReadoutAt(const DepthProfile& profile, double x) {
  const std::vector<DepthPoint>& points = profile.points;
  const PlotUnits units{InLengths(profile)};
  if (points.empty() || !(x >= units.Depth(points.front()) && x <= units.Depth(points.back())))
    return std::nullopt;
  const auto nearest =
      std::min_element(points.begin(), points.end(), [&](const DepthPoint& a, const DepthPoint& b) {
        return std::abs(units.Depth(a) - x) < std::abs(units.Depth(b) - x);
      });
  return "depth " + FormatReadout(units.Depth(*nearest)) +
         (units.lengths ? " \u00b5m: " : " mg/cm\u00b2: ") + FormatReadout(nearest->energy) +
         " MeV, dE/dx " + FormatReadout(units.Stopping(*nearest)) +
         (units.lengths ? " keV/\u00b5m" : " MeV cm\u00b2/g");
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

}  // namespace alphastop
