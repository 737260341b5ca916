#include "core/compare/ComparisonPicture.h"

#include <algorithm>
#include <cmath>

#include "core/graph/PlotDrawing.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

constexpr double TextPoints = 10;
constexpr double ExponentPoints = 7;
constexpr double LeftMargin = 70;  // the stopping power's decade labels, 10^-3
constexpr double RightMargin = 20;
constexpr double Pad = 8;

PlotLayout BaseLayout(PlotBox frame) {
  PlotLayout layout;
  layout.frame = frame;
  layout.tickPoints = layout.titlePoints = layout.yTitlePoints = layout.legendPoints = TextPoints;
  layout.exponentPoints = ExponentPoints;
  return layout;
}

std::string QuantityTitle(const Comparison& comparison) {
  std::string title = QuantityText(comparison.quantity);
  if (IsLower(title[0])) title[0] = static_cast<char>(title[0] - 'a' + 'A');
  return title + ", " + UnitText(comparison.unit);
}

PlotAxis EnergyAxis(const Comparison& comparison, std::string title) {
  return AxisAround(AxisScale::Log, EnergyUnion(comparison), std::move(title));
}

}  // namespace

ComparisonLayout LayoutComparison(double width, double height, std::size_t curveCount) {
  const double line = TextLinePixels(TextPoints);
  const std::size_t rows =
      curveCount > 4 ? (curveCount + 1) / 2 : std::max<std::size_t>(curveCount, 1);
  const double legendHeight = static_cast<double>(rows) * line;
  const double curvesTop = height - (Pad + legendHeight + Pad + line + Pad);
  const double differencesBottom = 2 * line + 2 * Pad;  // energy labels and the axis title
  const double gap = line + 2 * Pad;                    // the differences' title
  const double plots = std::max(curvesTop - differencesBottom - gap, 2.0);
  const double differencesTop = differencesBottom + std::round(0.32 * plots);
  const double left = LeftMargin, right = width - RightMargin;

  ComparisonLayout layout{
      .scale = {0, height, width, -height},
      .curves = BaseLayout({left, differencesTop + gap, right, curvesTop}),
      .differences = BaseLayout({left, differencesBottom, right, differencesTop})};
  layout.curves.xTickLabels = false;
  layout.curves.legend = PlotBox{left, curvesTop, right, height - Pad};
  return layout;
}

Plot CurvesPlot(const Comparison& comparison) {
  Plot plot;
  std::vector<double> values;
  for (const ComparedCurve& curve : comparison.curves) {
    PlotCurve drawn{curve.title, {}, curve.pen};
    for (std::size_t k = 0; k < curve.energies.size(); ++k) {
      const double value = InUnit(comparison, curve, curve.values[k]);
      drawn.points.push_back({curve.energies[k], value});
      values.push_back(value);
    }
    plot.curves.push_back(std::move(drawn));
  }
  plot.x = EnergyAxis(comparison, {});
  plot.y = AxisAround(AxisScale::Log, values, QuantityTitle(comparison));
  return plot;
}

Plot DifferencesPlot(const Comparison& comparison, std::size_t base) {
  Plot plot;
  std::vector<double> values;
  for (std::size_t i = 0; i < comparison.curves.size(); ++i) {
    const ComparedCurve& curve = comparison.curves[i];
    PlotCurve drawn{curve.title, DifferencePercent(comparison, i, base), curve.pen};
    for (const DataPoint& p : drawn.points) values.push_back(p.y);
    plot.curves.push_back(std::move(drawn));
  }
  // A margin of a twentieth of the span on either side keeps the base curve's line at 0,
  // and any other on a tick, off the frame's edges.
  if (const auto [low, high] = std::minmax_element(values.begin(), values.end());
      low != values.end()) {
    const double margin = (*high - *low) / 20;
    values.insert(values.end(), {*low - margin, *high + margin});
  }
  plot.x = EnergyAxis(comparison, "Kinetic energy of helium ion, MeV");
  plot.y = AxisAround(AxisScale::Linear, values,
                      "Difference from " + comparison.curves.at(base).title + ", %");
  return plot;
}

void DrawComparison(DrawingSurface& surface, const Comparison& comparison, std::size_t base,
                    GraphStyle style, const ComparisonLayout& layout) {
  surface.Clear();
  DrawPlot(surface, CurvesPlot(comparison), layout.curves, style);
  DrawPlot(surface, DifferencesPlot(comparison, base), layout.differences, style);
}

}  // namespace alphastop
