#pragma once
// A graph of curves in data units, and where it lies on a drawing surface: what the range
// graph, the comparison of materials and the depth profile draw (PlotDrawing.h). Data
// units and the surface's user units are kept apart: an axis maps its data range onto the
// frame's edges, on a logarithmic or a linear scale.

#include <optional>
#include <string>
#include <vector>

namespace alphastop {

struct DataPoint {
  double x = 0;
  double y = 0;
};

enum class AxisScale { Log, Linear };

struct PlotAxis {
  AxisScale scale = AxisScale::Log;
  double low = 1;     // data value at the frame's left (x) or bottom (y) edge; above 0 on Log
  double high = 10;   // at the right or top edge; above low
  std::string title;  // UTF-8; x: centred under the tick labels, y: at the frame's top left
};

struct PlotCurve {
  std::string label;  // UTF-8, in the legend
  // In data units, joined in order. A point without a position (not finite, or 0 or less
  // on a log axis) breaks the line there.
  std::vector<DataPoint> points;
  int pen = 0;  // CurvePenOf's index
};

struct Plot {
  PlotAxis x, y;
  std::vector<PlotCurve> curves;
  std::vector<double> xMarks;            // x values of lines across the frame (boundaries)
  std::optional<DataPoint> markedPoint;  // shown as a small square (where a particle stops)
};

// A rectangle in a surface's user units, y upward.
struct PlotBox {
  double left = 0, bottom = 0, right = 1, top = 1;
};

enum class YTitlePlace {
  AboveFrame,    // over the frame, from the left edge of the y axis's labels
  InLeftMargin,  // in the left margin, right-aligned with the labels, under the top one
};

struct PlotLayout {
  PlotBox frame;  // the plot's frame in user units; curves are cut off at it
  // The size of a device-independent pixel in user units, so that texts and marks keep
  // their size in pixels whatever the user scale; both above 0.
  double unitsPerPixelX = 1;
  double unitsPerPixelY = 1;
  double tickPoints = 10;     // tick labels; a decade's "10"
  double exponentPoints = 7;  // a decade's raised exponent
  double titlePoints = 10;    // the x axis's title
  double yTitlePoints = 10;   // the y axis's title
  double legendPoints = 10;
  YTitlePlace yTitlePlace = YTitlePlace::AboveFrame;
  bool xTickLabels = true;        // false: the energies are labelled under another plot below
  std::optional<PlotBox> legend;  // where the legend's entries go, from its top left; none
                                  // draws no legend
};

// Where a data value lies between the user-unit positions lowUser (the axis's low) and
// highUser (its high): linearly in the value or its logarithm. Not finite for a value
// without position (0 or less, or not finite, on a log axis).
double AxisToUser(const PlotAxis& axis, double lowUser, double highUser, double value);
// The inverse: the data value at a user-unit position (outside the frame too).
double UserToAxis(const PlotAxis& axis, double lowUser, double highUser, double user);

// A log axis over whole decades that holds every value above 0 (10^-1 .. 10^1 for 0.5 and
// 3); a linear axis over steps of 1, 2 or 5 times a power of ten that holds every value
// and zero (-10 .. 30 for -7 and 22). Non-finite values are passed over; without any
// value the axis spans 1 .. 10 (log) or -1 .. 1 (linear).
PlotAxis AxisAround(AxisScale scale, const std::vector<double>& values, std::string title);

// The x or y values of a plot's curves.
std::vector<double> XValuesOf(const Plot& plot);
std::vector<double> YValuesOf(const Plot& plot);

}  // namespace alphastop
