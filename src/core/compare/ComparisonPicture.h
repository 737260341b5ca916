#pragma once
// The picture of a comparison, the same in the window and in the files it is saved to: a
// legend of the curves' titles at the top, the curves on log-log axes, and below them the
// difference of each from the base curve in per cent, over the same energies.

#include <cstddef>

#include "core/compare/Comparison.h"
#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphMapping.h"
#include "core/graph/GraphStyle.h"
#include "core/graph/Plot.h"

namespace alphastop {

// The size of the picture in device-independent pixels, in the window and in its files.
inline constexpr double ComparisonWidth = 760;
inline constexpr double ComparisonHeight = 580;

struct ComparisonLayout {
  UserScale scale;         // user units are the picture's pixels, y upward from the bottom
  PlotLayout curves;       // the upper plot, with the legend above it
  PlotLayout differences;  // the lower plot, with the energy labels under it
};

// Where the two plots lie in a picture of width x height pixels holding curveCount curves:
// the legend takes a line a curve (two columns from five curves on), the curves about two
// thirds of the rest.
ComparisonLayout LayoutComparison(double width, double height, std::size_t curveCount);

// The curves, each in its own pen and titled in the legend: energy (MeV) against the
// quantity in its unit, log-log, over whole decades.
Plot CurvesPlot(const Comparison& comparison);
// The difference of each curve from base (a line at 0 for base itself) on the same energy
// axis, linear in per cent.
Plot DifferencesPlot(const Comparison& comparison, std::size_t base);

// Clears the surface and draws both plots with the legend. base < curves.size().
void DrawComparison(DrawingSurface& surface, const Comparison& comparison, std::size_t base,
                    GraphStyle style, const ComparisonLayout& layout);

}  // namespace alphastop
