#pragma once
// Where an axis has its grid lines and labels: whole decades and their multiples on a log
// axis, round steps on a linear one.

#include <string>
#include <vector>

#include "core/graph/Plot.h"

namespace alphastop {

// The least step of 1, 2 or 5 times a power of ten that cuts span (> 0) into at most 6
// parts, so that every tick of a small plot keeps its label.
double TickStep(double span);

struct AxisTick {
  double value = 0;  // data units, within the axis's low .. high
  bool labelled = false;
  std::string label;     // "10" of a decade, or the number of a linear tick ("0.5", "-20")
  std::string exponent;  // a decade's power, raised after "10" ("-3"); empty on a linear axis
};

// Log axis: a line at j * 10^n for j = 1 .. 9 in every decade within the axis, labelled at
// the decades. Linear axis: a labelled line at every multiple of TickStep(high - low).
// Values within a millionth of the span of an end count as lying on it.
std::vector<AxisTick> TicksOf(const PlotAxis& axis);

}  // namespace alphastop
