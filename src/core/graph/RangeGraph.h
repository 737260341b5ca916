#pragma once
// The graph window's second picture: the CSDA and projected ranges of the loaded table
// against energy, in the same picture as the stopping powers, on their energy axis (x is
// ln(1000 E) in the picture's user units, so the pointer reads the same energies) and a
// log axis of whole decades that holds the table's ranges.

#include "core/data/MaterialTable.h"
#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphStyle.h"
#include "core/graph/Plot.h"

namespace alphastop {

enum class GraphView { StoppingPowers, Ranges };

// The ranges' axis (g/cm2) for a table: whole decades about its CSDA and projected ranges.
PlotAxis RangeAxisOf(const MaterialTable& table);

// CSDA range (curve 0) and projected range (curve 1) of each row at its energy.
Plot RangePlotOf(const MaterialTable& table);

// The plot in the picture's user units: the stopping-power graph's frame, label sizes and
// energy axis, the unit g/cm² in the left margin, no legend (the window has its own).
// areaPixels: the side of the square drawing area in device-independent pixels.
PlotLayout RangePictureLayout(double areaPixels);

// Clears the surface and draws the range plot on it.
void DrawRangeGraphPicture(DrawingSurface& surface, const MaterialTable& table, GraphStyle style,
                           double areaPixels);

// Where the range graph puts a range (g/cm2) of the table on the y axis of the picture;
// not finite for a range of 0 or less.
double RangeToY(const MaterialTable& table, double range);

}  // namespace alphastop
