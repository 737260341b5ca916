// The graph: coordinates, the drawing read back from a recording surface, and the pointer
// readout over the plot.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/CursorReadout.h"
#include "core/graph/GraphDrawing.h"
#include "core/graph/GraphMapping.h"
#include "core/graph/PlotDrawing.h"
#include "core/lookup/CursorPlacement.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::GeometricTable;

// A drawing surface that keeps every call with its arguments, in order.
enum class CallKind {
  Clear,
  SetDrawWidth,
  SetDash,
  SetPoint,
  Line,
  LineTo,
  Rectangle,
  FilledRectangle,
  SetFontSize,
  SetTextPosition,
  Print
};

struct SurfaceCall {
  CallKind kind{};
  std::vector<double> numbers{};  // coordinates in argument order, or the width or font size
  Rgb colour{};                   // lines and rectangles
  std::string text{};             // Print
  PrintEnd end = PrintEnd::EndLine;

  friend bool operator==(const SurfaceCall&, const SurfaceCall&) = default;
  friend std::ostream& operator<<(std::ostream& os, const SurfaceCall& call) {
    os << "call " << int(call.kind) << " (";
    for (double n : call.numbers) os << n << ' ';
    return os << '"' << call.text << "\" rgb " << int(call.colour.r) << ',' << int(call.colour.g)
              << ',' << int(call.colour.b) << ')';
  }
};

class RecordingSurface final : public DrawingSurface {
 public:
  std::vector<SurfaceCall> calls;

  void Clear() override { calls.push_back({CallKind::Clear}); }
  void SetDrawWidth(int pixels) override {
    calls.push_back({CallKind::SetDrawWidth, {double(pixels)}});
  }
  void SetDash(const Dash& d) override {
    calls.push_back({CallKind::SetDash, {d.lengths.begin(), d.lengths.begin() + d.count}});
  }
  void SetPoint(float x, float y) override { calls.push_back({CallKind::SetPoint, {x, y}}); }
  void Line(float x1, float y1, float x2, float y2, Rgb c) override {
    calls.push_back({CallKind::Line, {x1, y1, x2, y2}, c});
  }
  void LineTo(float x, float y, Rgb c) override { calls.push_back({CallKind::LineTo, {x, y}, c}); }
  void Rectangle(float x1, float y1, float x2, float y2, Rgb c) override {
    calls.push_back({CallKind::Rectangle, {x1, y1, x2, y2}, c});
  }
  void FilledRectangle(float x1, float y1, float x2, float y2, Rgb c) override {
    calls.push_back({CallKind::FilledRectangle, {x1, y1, x2, y2}, c});
  }
  void SetFontSize(double points) override { calls.push_back({CallKind::SetFontSize, {points}}); }
  void SetTextPosition(float x, float y) override {
    calls.push_back({CallKind::SetTextPosition, {x, y}});
  }
  void Print(std::string_view text, PrintEnd end) override {
    calls.push_back({CallKind::Print, {}, {}, std::string(text), end});
  }
};

// Decades at multiples of ln 10, and user points in twips from the top left and back.
TEST(GraphMapping, PutsDecadesAtMultiplesOfLnTenAndUserPointsInTwips) {
  const struct {
    double (*map)(double);
    double value, coordinate;
  } cases[] = {{EnergyToX, 0.001, 0},           {EnergyToX, 1, 6.907755},
               {EnergyToX, 8, 8.987197},        {EnergyToX, 1e4, 16.118096},
               {StopPowerToY, 0.0001, 0},       {StopPowerToY, 1, 9.210340},
               {StopPowerToY, 1000, 16.118096}, {StopPowerToY, 1e4, 18.420681}};
  for (const auto& c : cases) EXPECT_NEAR(c.map(c.value), c.coordinate, 5e-7) << c.value;
  EXPECT_FALSE(std::isfinite(EnergyToX(0)) || std::isfinite(StopPowerToY(-1)));
  const std::pair<UserPoint, AreaPoint> points[] = {
      {{0, 0}, {752, 8254}}, {{16.1, 18.4}, {8824, 302.5}}, {{-1.5, 19.1}, {0, 0}}};
  for (const auto& [user, twips] : points) {
    const AreaPoint a = UserToArea(GraphScale, 9075, 9075, user);
    const UserPoint u = AreaToUser(GraphScale, 9075, 9075, twips);
    EXPECT_TRUE(std::abs(a.x - twips.x) < 0.5 && std::abs(a.y - twips.y) < 0.5) << a.x;
    EXPECT_TRUE(std::abs(u.x - user.x) < 1e-3 && std::abs(u.y - user.y) < 1e-3) << u.x;
  }
}

// Coordinates reach the surface as floats rounded from doubles: compare to 1e-5 units.
void ExpectCall(const SurfaceCall& call, const SurfaceCall& expected) {
  ASSERT_TRUE(call.kind == expected.kind && call.colour == expected.colour &&
              call.numbers.size() == expected.numbers.size())
      << call << " instead of " << expected;
  for (std::size_t i = 0; i < call.numbers.size(); ++i)
    EXPECT_NEAR(call.numbers[i], expected.numbers[i], 1e-5) << call;
}

TEST(GraphDrawing,
     DrawsAThinGreyGridEachColumnFromTheLeftEdgeMarginsAndFrameAtWidthTwoThenTheLabels) {
  const MaterialTable table = GeometricTable(0.002, 5000);  // so that x = 0 is not row 1's energy
  RecordingSurface surface;
  DrawGraphPicture(surface, table);
  std::vector<SurfaceCall> expected = {{CallKind::Clear}, {CallKind::SetDrawWidth, {1}}};
  for (int n = 0; n < 80; ++n) {  // stopping powers 10^-4 .. 10^4, j = 10 and 1 both drawn
    const double y = StopPowerToY((n % 10 + 1) * std::pow(10.0, n / 10 - 4));
    expected.push_back({CallKind::Line, {0, y, 16.1, y}, Grey});
  }
  for (int n = 0; n < 70; ++n) {  // energies 10^-3 .. 10^4 MeV
    const double x = EnergyToX((n % 10 + 1) * std::pow(10.0, n / 10 - 3));
    expected.push_back({CallKind::Line, {x, 0, x, 18.4}, Grey});
  }
  expected.push_back({CallKind::SetDrawWidth, {2}});
  const Rgb colours[] = {Red, Yellow, White};
  for (int column = Electronic; column <= Total; ++column) {
    expected.push_back({CallKind::SetPoint, {0, StopPowerToY(table.StopPower(1, column))}});
    for (int row = 2; row <= RowCount; ++row)
      expected.push_back(
          {CallKind::LineTo,
           {EnergyToX(table.Energy(row)), StopPowerToY(table.StopPower(row, column))},
           colours[column - 1]});
  }
  expected.push_back({CallKind::FilledRectangle, {0, 18.4, 16.6, 19.1}, Navy});
  expected.push_back({CallKind::FilledRectangle, {0, 0, 16.6, -1.9}, Navy});
  expected.push_back({CallKind::Rectangle, {0, 0, 16.1, 18.4}, White});
  ASSERT_GT(surface.calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) ExpectCall(surface.calls[i], expected[i]);

  std::string printed;  // each label with the size it is printed in, and how its line goes on
  double points = 0;
  for (auto call = surface.calls.begin() + std::ptrdiff_t(expected.size());
       call != surface.calls.end(); ++call) {
    if (call->kind == CallKind::SetFontSize) points = call->numbers[0];
    EXPECT_TRUE(call->kind != CallKind::SetTextPosition || call->numbers[0] < 0 ||
                call->numbers[1] < 0)
        << *call;
    if (call->kind == CallKind::Print)
      printed += call->text + "/" + std::to_string(int(points)) +
                 (call->end == PrintEnd::EndLine ? "\n" : " ");
  }
  std::string labels;
  for (int n = -3; n <= 4; ++n) labels += "10/16 " + std::to_string(n) + "/10\n";
  labels += "Kinetic energy of Helium ion,   MeV/16\n";
  for (int n = -4; n <= 4; ++n) labels += "10/16 " + std::to_string(n) + "/10\n";
  EXPECT_EQ(printed, labels + "MeV/14\ncm/14 2/10 /g/14\n");
}

TEST(GraphDrawingGapsTest, PointsWithoutLogarithmAreLeftOutOfTheirCurve) {
  MaterialTable table = GeometricTable(0.001, 1000);
  table.rows[0].stopPower[Electronic - 1] = 0;  // row 1: no start for the electronic curve
  table.rows[49].stopPower[Nuclear - 1] = 0;    // row 50
  table.rows[79].energy = -1;                   // row 80, in every curve
  RecordingSurface surface;
  DrawGraphPicture(surface, table);
  for (const SurfaceCall& call : surface.calls)
    for (double n : call.numbers) ASSERT_TRUE(std::isfinite(n)) << call;
  const auto count = [&](CallKind kind, Rgb colour) {
    return std::count_if(surface.calls.begin(), surface.calls.end(), [&](const SurfaceCall& c) {
      return c.kind == kind && c.colour == colour;
    });
  };
  // A left-out point costs its own segment and the next one, which opens a new piece.
  EXPECT_EQ(count(CallKind::SetPoint, Rgb{}), 2);
  const struct {
    Rgb colour;
    long segments, pieces;
  } curves[] = {{Red, 121 - 3, 2}, {Yellow, 121 - 4, 2}, {White, 121 - 2, 1}};
  for (const auto& c : curves)
    EXPECT_EQ(std::pair(count(CallKind::LineTo, c.colour), count(CallKind::Line, c.colour)),
              std::pair(c.segments, c.pieces));
  // The new piece starts exactly at its row's point, with a line of zero length.
  const double x = static_cast<float>(EnergyToX(table.Energy(51)));
  const double y = static_cast<float>(StopPowerToY(table.StopPower(51, Nuclear)));
  const SurfaceCall restart{CallKind::Line, {x, y, x, y}, Yellow};
  EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(), restart), surface.calls.end());
  EXPECT_EQ(surface.calls.back().text, "/g") << "the drawing goes on to its labels";
}

// The comparison and the range graph share surfaces and SVG files keep no clip: what a
// curve draws must stay inside its frame, where the decades are labelled.
TEST(PlotDrawing, DrawsCurvesOnlyInsideTheFrameAndLabelsItsDecades) {
  Plot plot{.x = {AxisScale::Log, 1, 100, "E"},
            .y = {AxisScale::Log, 1, 1000, "S"},
            .curves = {{"through", {{0.1, 0.5}, {10, 10}, {1e4, 1e5}}, 0},
                       {"above", {{2, 5000}, {50, 8000}}, 1}},
            .xMarks = {},
            .markedPoint = {}};
  PlotLayout layout;
  layout.frame = {10, 20, 110, 80};
  RecordingSurface surface;
  DrawPlot(surface, plot, layout, GraphStyle::Screen);
  std::string printed;
  int curveLines = 0;
  for (const SurfaceCall& call : surface.calls) {
    if (call.kind == CallKind::Print) printed += call.text + " ";
    if ((call.kind != CallKind::Line && call.kind != CallKind::LineTo) ||
        (call.colour != Red && call.colour != Yellow))
      continue;
    ++curveLines;
    for (std::size_t i = 0; i + 1 < call.numbers.size(); i += 2)
      EXPECT_TRUE(call.numbers[i] >= 10 - 1e-4 && call.numbers[i] <= 110 + 1e-4 &&
                  call.numbers[i + 1] >= 20 - 1e-4 && call.numbers[i + 1] <= 80 + 1e-4)
          << call;
  }
  EXPECT_EQ(curveLines, 2) << "the curve through the frame, cut at two edges, in one piece";
  EXPECT_EQ(printed, "10 0 10 1 10 2 10 0 10 1 10 2 10 3 E S ");
}

TEST(CursorArea, CoversThePlottedDataOnly) {
  const struct {
    float x, y;
    bool inside;
  } cases[] = {{0, 0, true},        {0, 18.4f, true},
               {13.8154f, 9, true}, {13.8155f, 9, false},
               {16, 9, false},      {-0.01f, 9, false},
               {5, -0.01f, false},  {5, std::nextafter(18.4f, 19.0f), false},
               {-1, -1, false},     {5, NAN, false}};
  for (const auto& c : cases)
    EXPECT_EQ(IsInCursorArea(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
}

// Rows `row - 1` and `row` hold lower and upper; the others step by a factor 1.25.
MaterialTable TableAround(int row, double lower, double upper) {
  MaterialTable table = GeometricTable(1, 2);
  for (int r = 1; r <= RowCount; ++r)
    table.rows[static_cast<std::size_t>(r - 1)].energy =
        r < row ? lower * std::pow(1.25, r - (row - 1)) : upper * std::pow(1.25, r - row);
  return table;
}

TEST(NearestRow, PicksTheRowWhosePositionIsNearerAndAtAMidpointTieTheHigherEnergy) {
  EXPECT_TRUE(NearestRow(TableAround(32, 1.0, 1.25), 7.0f) == 31 &&
              NearestRow(TableAround(32, 1.0, 1.25), 7.05f) == 32);
  // Search the upper energy whose position lies exactly as far right of the pointer as
  // 1 MeV lies left of it, so that the two distances compare equal.
  constexpr float pointer = 7.0f;
  const double distance = pointer - EnergyCursorPosition(1.0);
  double upper = std::exp(2 * distance);
  for (int steps = 0; EnergyCursorPosition(upper) - pointer != distance && steps < 100000; ++steps)
    upper = std::nextafter(upper, EnergyCursorPosition(upper) - pointer < distance ? 2.0 : 1.0);
  ASSERT_EQ(EnergyCursorPosition(upper) - pointer, distance) << "no exact tie found";
  const MaterialTable table = TableAround(32, 1.0, upper);
  EXPECT_TRUE(NearestRow(table, pointer) == 32 &&
              NearestRow(table, std::nextafter(pointer, 0.0f)) == 31);
}

TEST(NearestRow, SelectsEachRowUnderThePointerAndStaysWithinRowsOneTo122) {
  const MaterialTable table = GeometricTable(0.001, 1000);
  for (int r = 1; r <= RowCount; ++r)
    EXPECT_EQ(NearestRow(table, EnergyCursorX(table.Energy(r))), r);
  EXPECT_TRUE(NearestRow(table, 0.0f) == 1 &&
              NearestRow(table, 0.001f) == 1);  // the strip left of row 1
  const MaterialTable endingEarly = GeometricTable(0.001, 500);
  EXPECT_TRUE(NearestRow(endingEarly, 13.5f) == RowCount &&
              NearestRow(endingEarly, 13.8154f) == RowCount);
}

}  // namespace
}  // namespace alphastop
