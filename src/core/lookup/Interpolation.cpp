#include "core/lookup/Interpolation.h"

#include <cmath>

namespace alphastop {
namespace {

// The order of the operations is part of the result: it decides the last bits, and a
// lookup at a tabulated energy must give back that row's value (xh - x is then 0).
double InterpolateColumn(const MaterialTable& table, int high, int column, double x) {
  const double xh = std::log(table.Energy(high));
  const double xl = std::log(table.Energy(high - 1));
  const double yh = std::log(table.StopPower(high, column));
  const double yl = std::log(table.StopPower(high - 1, column));
  const double dy = yh - yl;
  const double dxToHigh = xh - x;
  const double product = dy * dxToHigh;
  const double dx = xh - xl;
  const double lnS = yh - product / dx;
  return std::exp(lnS);
}

}  // namespace

std::optional<StopPowers> InterpolateStopPower(const MaterialTable& table, double energy) {
  int high = 1;
  while (high <= RowCount && table.Energy(high) < energy) ++high;
  if (high > RowCount) return std::nullopt;
  if (high == 1) high = 2;

  const double x = std::log(energy);
  return StopPowers{
      .electronic = InterpolateColumn(table, high, Electronic, x),
      .nuclear = InterpolateColumn(table, high, Nuclear, x),
      .total = InterpolateColumn(table, high, Total, x),
  };
}

}  // namespace alphastop
