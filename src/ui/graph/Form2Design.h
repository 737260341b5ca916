#pragma once
// The graph window's design, in twips: one home for the window and for the drawing of its
// look that the exports make without it.

#include <QString>

#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphStyle.h"
#include "core/graph/RangeGraph.h"
#include "ui/common/Controls.h"

namespace alphastop::ui {

struct TextDesign {
  const char* name;
  const char* text;  // UTF-8
  TwipsBox box;      // labels size themselves to their text from the box's top-left corner
  double points;
};

struct LineDesign {
  const char* name;
  double x1, y1, x2, y2;
  Rgb colour;
};

inline constexpr TwipsBox Form2Client{13650, 390, 9450, 11355};

inline constexpr TextDesign Form2Title{
    "Label4", "Alpha particle stopping power", {360, 240, 3735, 345}, 15.75};
// Shows the loaded material's title.
inline constexpr TextDesign Form2MaterialTitle{
    "Label5", "Alpha-ray stopping power", {360, 840, 3210, 345}, 15.75};

inline constexpr TextDesign Form2LegendLabels[] = {
    {"Label1", "Electronic", {7680, 480, 1125, 315}, 14.25},
    {"Label2", "Nuclear", {7680, 840, 855, 315}, 14.25},
    {"Label3", "Total", {7680, 1200, 585, 315}, 14.25},
};
inline constexpr LineDesign Form2LegendLines[] = {
    {"Line3", 6240, 600, 7440, 600, Red},
    {"Line4", 6240, 960, 7440, 960, Yellow},
    {"Line5", 6240, 1320, 7440, 1320, White},
};
inline constexpr int LegendLinePixels = 2;

// While the window shows the ranges, the heading and the first two legend entries say so
// and the third is hidden.
inline constexpr const char* Form2RangeTitle = "Alpha particle range";
inline constexpr const char* Form2RangeLegendTexts[] = {"CSDA", "Projected"};
inline constexpr int Form2RangeLegendEntries = 2;

inline QString GraphTitleText(GraphView view) {
  return QString::fromUtf8(view == GraphView::Ranges ? Form2RangeTitle : Form2Title.text);
}
// Legend entry i (0 .. 2) of a view.
inline QString LegendText(GraphView view, int i) {
  return QString::fromUtf8(view == GraphView::Ranges ? Form2RangeLegendTexts[i]
                                                     : Form2LegendLabels[i].text);
}
// The pen of legend entry i, that of the curve it stands for.
inline CurvePen LegendPen(GraphView view, GraphStyle style, int i) {
  return view == GraphView::Ranges ? CurvePenOf(style, i) : StopPowerPenOf(style, i + 1);
}

// The picture box: its sunken border, then the drawing area inside it.
inline constexpr TwipsBox Picture1Box{120, 1680, 9135, 9135};
inline constexpr double Picture1AreaTwips = 9075;
inline constexpr double Picture1FontPoints = 14.25;

}  // namespace alphastop::ui
