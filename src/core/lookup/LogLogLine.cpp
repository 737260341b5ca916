#include "core/lookup/LogLogLine.h"

#include <cmath>

namespace alphastop {

// The order of the operations is part of the result: it decides the last bits, and a
// lookup at x2 must give back y2 (xh - lnX is then 0).
double LogLogLine(double x, double x1, double y1, double x2, double y2) {
  const double lnX = std::log(x);
  const double xh = std::log(x2);
  const double xl = std::log(x1);
  const double yh = std::log(y2);
  const double yl = std::log(y1);
  const double dy = yh - yl;
  const double dxToHigh = xh - lnX;
  const double product = dy * dxToHigh;
  const double dx = xh - xl;
  const double lnY = yh - product / dx;
  return std::exp(lnY);
}

}  // namespace alphastop
