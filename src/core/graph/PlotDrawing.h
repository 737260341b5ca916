#pragma once
#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphStyle.h"
#include "core/graph/Plot.h"

namespace alphastop {

// Draws a plot on a surface without clearing it, in the style's colours: the grid (thin,
// on a log axis at every multiple of a decade), the marked x lines, the curves at width 2
// in their pens, cut off at the frame (what lies outside is not drawn, so several plots
// can share a surface), the marked point, the frame, the tick labels (decades as 10 with
// a raised exponent), the axis titles and the legend: a line in each curve's pen and its
// label, in two columns where more than four curves would not fit in one. Texts are in
// the surface's foreground colour, which should be the style's text colour. The surface
// is left drawing solid lines.
void DrawPlot(DrawingSurface& surface, const Plot& plot, const PlotLayout& layout,
              GraphStyle style);

// Height of a line of text at that size, in device-independent pixels.
double TextLinePixels(double points);

}  // namespace alphastop
