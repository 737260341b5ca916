#pragma once
#include "core/data/MaterialTable.h"
#include "core/graph/DrawingSurface.h"

namespace alphastop {

// Draws the whole graph of a loaded table on a surface: clear, grey grid, the electronic
// (red), nuclear (yellow) and total (white) curves, the navy margin fills, the white frame
// and the decade labels with their raised exponents. Points without a logarithm (a value
// of zero or less) are left out of their curve.
void DrawGraphPicture(DrawingSurface& surface, const MaterialTable& table);

}  // namespace alphastop
