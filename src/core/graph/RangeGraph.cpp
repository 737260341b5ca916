#include "core/graph/RangeGraph.h"

#include <cmath>

#include "core/graph/GraphMapping.h"
#include "core/graph/PlotDrawing.h"

namespace alphastop {
namespace {

constexpr double TickPoints = 16;  // as the stopping-power graph's labels
constexpr double ExponentPoints = 10;
constexpr double UnitPoints = 14;

// The stopping-power graph's energy axis: 10^-3 MeV at x = 0 and ln(1000 E) beyond, to
// the frame's right edge at x = 16.1.
PlotAxis EnergyAxis() {
  return {AxisScale::Log, 1e-3, 1e-3 * std::exp(static_cast<double>(FrameRight)),
          "Kinetic energy of Helium ion,   MeV"};
}

}  // namespace

PlotAxis RangeAxisOf(const MaterialTable& table) {
  std::vector<double> ranges;
  for (int r = 1; r <= RowCount; ++r)
    for (int c : {CsdaRange, ProjectedRange}) ranges.push_back(table.RangeData(r, c));
  return AxisAround(AxisScale::Log, ranges, "g/cm\u00b2");
}

Plot RangePlotOf(const MaterialTable& table) {
  Plot plot{
      .x = EnergyAxis(), .y = RangeAxisOf(table), .curves = {}, .xMarks = {}, .markedPoint = {}};
  for (int c : {CsdaRange, ProjectedRange}) {
    PlotCurve curve{c == CsdaRange ? "CSDA" : "Projected", {}, c - 1};
    for (int r = 1; r <= RowCount; ++r)
      curve.points.push_back({table.Energy(r), table.RangeData(r, c)});
    plot.curves.push_back(std::move(curve));
  }
  return plot;
}

PlotLayout RangePictureLayout(double areaPixels) {
  PlotLayout layout;
  layout.frame = {0, 0, FrameRight, FrameTop};
  layout.unitsPerPixelX = GraphScale.width / areaPixels;
  layout.unitsPerPixelY = -GraphScale.height / areaPixels;
  layout.tickPoints = layout.titlePoints = TickPoints;
  layout.exponentPoints = ExponentPoints;
  layout.yTitlePoints = UnitPoints;
  layout.yTitlePlace = YTitlePlace::InLeftMargin;
  return layout;
}

void DrawRangeGraphPicture(DrawingSurface& surface, const MaterialTable& table, GraphStyle style,
                           double areaPixels) {
  surface.Clear();
  DrawPlot(surface, RangePlotOf(table), RangePictureLayout(areaPixels), style);
}

double RangeToY(const MaterialTable& table, double range) {
  return AxisToUser(RangeAxisOf(table), 0, FrameTop, range);
}

}  // namespace alphastop
