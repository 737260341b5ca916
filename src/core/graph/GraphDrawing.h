#pragma once
#include "core/data/MaterialTable.h"
#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphStyle.h"

namespace alphastop {

// Draws the whole graph of a loaded table on a surface, in the surface's user units:
// clear, grey grid (80 lines at the stopping-power decades' multiples, 70 at the
// energies'), the electronic (red), nuclear (yellow) and total (white) curves at width 2,
// the navy margin fills that cut the curves off at the frame, the white frame and the
// decade labels with their raised exponents. Each curve starts with a point at x = 0 (the
// left edge, whatever row 1's energy) and runs through rows 2..122. A row whose energy or
// stopping power is zero or less (or not finite) has no position and is left out of that
// curve together with its two segments; the next row with a position is reached by a
// zero-length Line in the curve's colour, which starts the following piece there.
// The print style draws the same in its own colours (StopPowerPenOf, ColoursOf), the
// electronic and nuclear curves dashed; the surface's background and foreground should be
// the style's.
void DrawGraphPicture(DrawingSurface& surface, const MaterialTable& table,
                      GraphStyle style = GraphStyle::Screen);

}  // namespace alphastop
