#include "core/graph/GraphDrawing.h"

#include <array>
#include <cmath>
#include <string_view>

#include "core/graph/GraphMapping.h"

namespace alphastop {
namespace {

// The margins right of the frame's left edge, painted over after the curves so that
// nothing a curve draws beyond the frame remains.
constexpr float MarginRight = 16.6f;
constexpr float MarginTop = 19.1f;
constexpr float MarginBottom = -1.9f;

constexpr double TickFontSize = 16;
constexpr double ExponentFontSize = 10;
constexpr double UnitFontSize = 14;

// Lines at j * 10^n for j = 1..10 in every decade: the line of j = 10 and that of j = 1 of
// the next decade coincide, and both are drawn.
void DrawGrid(DrawingSurface& surface, Rgb grey) {
  const double ln10 = std::log(10.0);
  for (int k = 0; k <= 7; ++k) {
    for (int j = 1; j <= 10; ++j) {
      const auto y = static_cast<float>(k * ln10 + std::log(j));
      surface.Line(0, y, FrameRight, y, grey);
    }
  }
  for (int k = 0; k <= 6; ++k) {
    for (int j = 1; j <= 10; ++j) {
      const auto x = static_cast<float>(k * ln10 + std::log(j));
      surface.Line(x, 0, x, FrameTop, grey);
    }
  }
}

// A polyline through the rows of one column. Row 1 is drawn at x = 0 whatever its energy,
// so every curve starts at the frame's left edge. A point with a value of zero or less
// has no position and is left out together with the segments on either side; the surface
// has no bare move, so the next point that has one is reached by a zero-length line in the
// curve's colour, which starts the next piece there without a stray foreground dot.
void DrawCurve(DrawingSurface& surface, const MaterialTable& table, int column, Rgb colour) {
  bool hasCurrent = false;
  if (const double y = StopPowerToY(table.StopPower(1, column)); std::isfinite(y)) {
    surface.SetPoint(0, static_cast<float>(y));
    hasCurrent = true;
  }
  for (int row = 2; row <= RowCount; ++row) {
    const double x = EnergyToX(table.Energy(row));
    const double y = StopPowerToY(table.StopPower(row, column));
    if (!std::isfinite(x) || !std::isfinite(y)) {
      hasCurrent = false;
      continue;
    }
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    if (hasCurrent) {
      surface.LineTo(fx, fy, colour);
    } else {
      surface.Line(fx, fy, fx, fy, colour);
    }
    hasCurrent = true;
  }
}

// "10" continuing the line, then the exponent in a smaller size, which the surface puts
// level with the top of the "10" so that it reads as a superscript.
void PrintDecade(DrawingSurface& surface, float x, float y, std::string_view exponent,
                 bool setsSize) {
  if (setsSize) surface.SetFontSize(TickFontSize);
  surface.SetTextPosition(x, y);
  surface.Print("10", PrintEnd::ContinueLine);
  surface.SetFontSize(ExponentFontSize);
  surface.Print(exponent, PrintEnd::EndLine);
}

void DrawLabels(DrawingSurface& surface) {
  constexpr std::array<std::string_view, 9> exponents{"-4", "-3", "-2", "-1", "0",
                                                      "1",  "2",  "3",  "4"};
  // Left edges 0.40 to 0.52 units left of the energy decades 10^-3 .. 10^4 MeV.
  constexpr std::array<float, 8> energyLabelX{-0.4f, 1.9f, 4.2f, 6.5f, 8.8f, 11.1f, 13.4f, 15.6f};
  for (std::size_t n = 0; n < energyLabelX.size(); ++n) {
    PrintDecade(surface, energyLabelX[n], -0.1f, exponents[n + 1], true);
  }
  surface.SetFontSize(TickFontSize);
  surface.SetTextPosition(5.0f, -1.0f);
  surface.Print("Kinetic energy of Helium ion,   MeV", PrintEnd::EndLine);

  // Tops 0.28 to 0.40 units above the stopping-power decades 10^-4 .. 10^4 MeV cm2/g. The
  // first one keeps the axis title's size, which is already the tick size.
  constexpr std::array<float, 9> stopPowerLabelY{0.4f,  2.6f,  4.9f,  7.2f, 9.5f,
                                                 11.8f, 14.1f, 16.4f, 18.7f};
  for (std::size_t m = 0; m < stopPowerLabelY.size(); ++m) {
    PrintDecade(surface, -1.1f, stopPowerLabelY[m], exponents[m], m > 0);
  }

  // The unit MeV cm2/g on two lines between the labels of 10^3 and 10^4, with a raised 2.
  surface.SetFontSize(UnitFontSize);
  surface.SetTextPosition(-1.5f, 17.8f);
  surface.Print("MeV", PrintEnd::EndLine);
  surface.SetTextPosition(-1.5f, 17.2f);
  surface.Print("cm", PrintEnd::ContinueLine);
  surface.SetFontSize(ExponentFontSize);
  surface.Print("2", PrintEnd::ContinueLine);
  surface.SetFontSize(UnitFontSize);
  surface.Print("/g", PrintEnd::EndLine);
}

}  // namespace

void DrawGraphPicture(DrawingSurface& surface, const MaterialTable& table, GraphStyle style) {
  const StyleColours colours = ColoursOf(style);
  surface.Clear();
  surface.SetDrawWidth(1);
  DrawGrid(surface, colours.grid);

  surface.SetDrawWidth(2);
  // The screen's curves are solid, as the surface starts; print dashes all but the total.
  Dash dash = SolidLine;
  for (int column : {Electronic, Nuclear, Total}) {
    const CurvePen pen = StopPowerPenOf(style, column);
    if (pen.dash != dash) surface.SetDash(dash = pen.dash);
    DrawCurve(surface, table, column, pen.colour);
  }
  if (dash != SolidLine) surface.SetDash(SolidLine);

  surface.FilledRectangle(0, FrameTop, MarginRight, MarginTop, colours.background);
  surface.FilledRectangle(0, 0, MarginRight, MarginBottom, colours.background);
  surface.Rectangle(0, 0, FrameRight, FrameTop, colours.frame);  // still 2 pixels wide

  DrawLabels(surface);
}

}  // namespace alphastop
