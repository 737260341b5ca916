#include "core/graph/AxisTicks.h"

#include <charconv>
#include <cmath>

namespace alphastop {
namespace {

std::string FixedNumber(double value, int decimals) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::vector<AxisTick> LogTicks(const PlotAxis& axis) {
  std::vector<AxisTick> ticks;
  const double lowExponent = std::log10(axis.low), highExponent = std::log10(axis.high);
  const double slack = 1e-6 * (highExponent - lowExponent);
  for (int n = static_cast<int>(std::floor(lowExponent + slack));
       n <= static_cast<int>(std::ceil(highExponent - slack)); ++n)
    for (int j = 1; j <= 9; ++j) {
      const double exponent = n + std::log10(j);
      if (exponent < lowExponent - slack || exponent > highExponent + slack) continue;
      const double value = j * std::pow(10.0, n);
      if (j == 1)
        ticks.push_back({value, true, "10", std::to_string(n)});
      else
        ticks.push_back({value, false, {}, {}});
    }
  return ticks;
}

std::vector<AxisTick> LinearTicks(const PlotAxis& axis) {
  std::vector<AxisTick> ticks;
  const double step = TickStep(axis.high - axis.low);
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  const double slack = 1e-6 * (axis.high - axis.low);
  for (double k = std::ceil((axis.low - slack) / step); k * step <= axis.high + slack; ++k) {
    const double value = std::abs(k) < 0.5 ? 0.0 : k * step;  // never "-0"
    ticks.push_back({value, true, FixedNumber(value, decimals), {}});
  }
  return ticks;
}

}  // namespace

double TickStep(double span) {
  const double power = std::pow(10.0, std::floor(std::log10(span / 4)));
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (span / (factor * power) <= 6) return factor * power;
  return 10 * power;
}

std::vector<AxisTick> TicksOf(const PlotAxis& axis) {
  return axis.scale == AxisScale::Log ? LogTicks(axis) : LinearTicks(axis);
}

}  // namespace alphastop
