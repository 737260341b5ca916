#include "core/graph/Plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/graph/AxisTicks.h"

namespace alphastop {
namespace {

double Position(const PlotAxis& axis, double value) {
  if (axis.scale == AxisScale::Linear) return value;
  return value > 0 ? std::log(value) : std::numeric_limits<double>::quiet_NaN();
}

PlotAxis LogAxisAround(const std::vector<double>& values, std::string title) {
  double lowest = std::numeric_limits<double>::infinity(), highest = 0;
  for (double v : values)
    if (std::isfinite(v) && v > 0) {
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
  if (highest == 0) return {AxisScale::Log, 1, 10, std::move(title)};
  // A whisker of rounding must not add a decade to a value that is a power of ten.
  const double low = std::floor(std::log10(lowest) + 1e-9);
  double high = std::ceil(std::log10(highest) - 1e-9);
  if (high <= low) high = low + 1;
  return {AxisScale::Log, std::pow(10.0, low), std::pow(10.0, high), std::move(title)};
}

PlotAxis LinearAxisAround(const std::vector<double>& values, std::string title) {
  double lowest = 0, highest = 0;
  for (double v : values)
    if (std::isfinite(v)) {
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
  if (lowest == highest) return {AxisScale::Linear, -1, 1, std::move(title)};
  const double step = TickStep(highest - lowest);
  // A whisker of rounding must not add a step to a value on a tick, zero above all.
  return {AxisScale::Linear, std::floor(lowest / step + 1e-9) * step,
          std::ceil(highest / step - 1e-9) * step, std::move(title)};
}

}  // namespace

double AxisToUser(const PlotAxis& axis, double lowUser, double highUser, double value) {
  const double low = Position(axis, axis.low), high = Position(axis, axis.high);
  return lowUser + (Position(axis, value) - low) / (high - low) * (highUser - lowUser);
}

double UserToAxis(const PlotAxis& axis, double lowUser, double highUser, double user) {
  const double low = Position(axis, axis.low), high = Position(axis, axis.high);
  const double position = low + (user - lowUser) / (highUser - lowUser) * (high - low);
  return axis.scale == AxisScale::Linear ? position : std::exp(position);
}

PlotAxis AxisAround(AxisScale scale, const std::vector<double>& values, std::string title) {
  return scale == AxisScale::Log ? LogAxisAround(values, std::move(title))
                                 : LinearAxisAround(values, std::move(title));
}

std::vector<double> XValuesOf(const Plot& plot) {
  std::vector<double> values;
  for (const PlotCurve& curve : plot.curves)
    for (const DataPoint& p : curve.points) values.push_back(p.x);
  return values;
}

std::vector<double> YValuesOf(const Plot& plot) {
  std::vector<double> values;
  for (const PlotCurve& curve : plot.curves)
    for (const DataPoint& p : curve.points) values.push_back(p.y);
  return values;
}

}  // namespace alphastop
