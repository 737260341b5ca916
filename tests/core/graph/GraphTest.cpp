// The graph: coordinates, the drawing read back from a recording surface, and the pointer
// readout over the plot.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/graph/CursorReadout.h"
#include "core/graph/GraphDrawing.h"
#include "core/graph/GraphMapping.h"
#include "core/lookup/CursorPlacement.h"
#include "support/RecordingSurface.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::CallKind;
using testing::GeometricTable;
using testing::RecordingSurface;
using testing::SurfaceCall;

TEST(GraphMapping, PutsDecadesAtMultiplesOfLnTen) {
  const struct { double (*map)(double); double value, coordinate; } cases[] = {
      {EnergyToX, 0.001, 0}, {EnergyToX, 1, 6.907755}, {EnergyToX, 8, 8.987197},
      {EnergyToX, 1e4, 16.118096}, {StopPowerToY, 0.0001, 0}, {StopPowerToY, 1, 9.210340},
      {StopPowerToY, 1000, 16.118096}, {StopPowerToY, 1e4, 18.420681}};
  for (const auto& c : cases) EXPECT_NEAR(c.map(c.value), c.coordinate, 5e-7) << c.value;
  for (double value : {0.0, -1.0}) {
    EXPECT_FALSE(std::isfinite(EnergyToX(value))) << value;
    EXPECT_FALSE(std::isfinite(StopPowerToY(value))) << value;
  }
}

TEST(GraphMapping, PlacesUserPointsInTwipsFromTopLeftAndTakesThemBack) {
  constexpr double Twips = 9075;
  const struct { UserPoint user; AreaPoint area; } cases[] = {
      {{0, 0}, {752, 8254}}, {{16.1, 18.4}, {8824, 302.5}}, {{-1.5, 19.1}, {0, 0}},
      {{16.6, -1.9}, {Twips, Twips}}};
  for (const auto& c : cases) {
    const AreaPoint a = UserToArea(GraphScale, Twips, Twips, c.user);
    EXPECT_NEAR(a.x, c.area.x, 0.5) << c.user.x;
    EXPECT_NEAR(a.y, c.area.y, 0.5) << c.user.y;
    const UserPoint u = AreaToUser(GraphScale, Twips, Twips, c.area);
    EXPECT_NEAR(u.x, c.user.x, 1e-3) << c.area.x;
    EXPECT_NEAR(u.y, c.user.y, 1e-3) << c.area.y;
  }
  // 15 twips make a pixel at 96 dpi: the 605-pixel area puts every point at a fifteenth.
  for (const UserPoint p : {UserPoint{0, 0}, UserPoint{16.1, 18.4}, UserPoint{4.7229, 8.2702}}) {
    const AreaPoint twips = UserToArea(GraphScale, Twips, Twips, p);
    const AreaPoint pixels = UserToArea(GraphScale, 605, 605, p);
    EXPECT_NEAR(pixels.x * 15, twips.x, 1e-9);
    EXPECT_NEAR(pixels.y * 15, twips.y, 1e-9);
  }
}

constexpr std::size_t GridLines = 80 + 70;
constexpr std::size_t CurvesStart = 2 + GridLines + 1;  // after clear, both widths and grid
constexpr std::size_t CurveCalls = RowCount;             // a point and 121 segments
constexpr std::size_t FramingStart = CurvesStart + 3 * CurveCalls;
constexpr std::size_t LabelsStart = FramingStart + 3;

// Coordinates reach the surface as floats rounded from doubles: compare to 1e-5 units.
void ExpectCall(const SurfaceCall& call, CallKind kind, std::vector<double> numbers, Rgb colour) {
  ASSERT_EQ(call.kind, kind) << call;
  ASSERT_EQ(call.numbers.size(), numbers.size()) << call;
  for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_NEAR(call.numbers[i], numbers[i], 1e-5) << call;
  EXPECT_EQ(call.colour, colour) << call;
}

class GraphDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawGraphPicture(surface, table);
    ASSERT_GT(surface.calls.size(), LabelsStart);
  }

  // Starts at 0.002 MeV, so that the curves' first point at x = 0 is not row 1's energy.
  const MaterialTable table = GeometricTable(0.002, 5000);
  RecordingSurface surface;
};

TEST_F(GraphDrawingTest, DrawsAThinGreyGridThenEachColumnFromTheLeftEdgeThenMarginsAndFrameAtWidthTwo) {
  const auto& calls = surface.calls;
  ExpectCall(calls[0], CallKind::Clear, {}, {});
  ExpectCall(calls[1], CallKind::SetDrawWidth, {1}, {});
  for (int n = 0; n < 80; ++n) {  // stopping powers 10^-4 .. 10^4, j = 10 and 1 both drawn
    const double y = StopPowerToY((n % 10 + 1) * std::pow(10.0, n / 10 - 4));
    ExpectCall(calls[2 + n], CallKind::Line, {0, y, 16.1, y}, Grey);
  }
  for (int n = 0; n < 70; ++n) {  // energies 10^-3 .. 10^4 MeV
    const double x = EnergyToX((n % 10 + 1) * std::pow(10.0, n / 10 - 3));
    ExpectCall(calls[82 + n], CallKind::Line, {x, 0, x, 18.4}, Grey);
  }
  ExpectCall(calls[2 + GridLines], CallKind::SetDrawWidth, {2}, {});
  const Rgb colours[] = {Red, Yellow, White};
  for (int column = Electronic; column <= Total; ++column) {
    SCOPED_TRACE(column);
    const auto* curve = &calls[CurvesStart + (column - 1) * CurveCalls];
    ExpectCall(curve[0], CallKind::SetPoint, {0, StopPowerToY(table.StopPower(1, column))}, {});
    for (int row = 2; row <= RowCount; ++row)
      ExpectCall(curve[row - 1], CallKind::LineTo,
                 {EnergyToX(table.Energy(row)), StopPowerToY(table.StopPower(row, column))}, colours[column - 1]);
  }
  ExpectCall(calls[FramingStart], CallKind::FilledRectangle, {0, 18.4, 16.6, 19.1}, Navy);
  ExpectCall(calls[FramingStart + 1], CallKind::FilledRectangle, {0, 0, 16.6, -1.9}, Navy);
  ExpectCall(calls[FramingStart + 2], CallKind::Rectangle, {0, 0, 16.1, 18.4}, White);
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const SurfaceCall& c) { return c.kind == CallKind::SetDrawWidth; }), 2);
}

struct LabelRow {
  float x, y;
  double firstSize;  // 0: the size left by the previous row stays in force
  std::string first, second;
};

TEST_F(GraphDrawingTest, EndsWithTheLabelsInOrder) {
  const LabelRow labels[] = {
      {-0.4f, -0.1f, 16, "10", "-3"}, {1.9f, -0.1f, 16, "10", "-2"}, {4.2f, -0.1f, 16, "10", "-1"},
      {6.5f, -0.1f, 16, "10", "0"},   {8.8f, -0.1f, 16, "10", "1"},  {11.1f, -0.1f, 16, "10", "2"},
      {13.4f, -0.1f, 16, "10", "3"},  {15.6f, -0.1f, 16, "10", "4"},
      {5.0f, -1.0f, 16, "Kinetic energy of Helium ion,   MeV", ""},
      {-1.1f, 0.4f, 0, "10", "-4"},   {-1.1f, 2.6f, 16, "10", "-3"}, {-1.1f, 4.9f, 16, "10", "-2"},
      {-1.1f, 7.2f, 16, "10", "-1"},  {-1.1f, 9.5f, 16, "10", "0"},  {-1.1f, 11.8f, 16, "10", "1"},
      {-1.1f, 14.1f, 16, "10", "2"},  {-1.1f, 16.4f, 16, "10", "3"}, {-1.1f, 18.7f, 16, "10", "4"},
      {-1.5f, 17.8f, 14, "MeV", ""},  {-1.5f, 17.2f, 0, "cm", "2"},  // then "/g" at 14 pt
  };
  std::vector<SurfaceCall> expected;
  for (const LabelRow& row : labels) {
    if (row.firstSize != 0) expected.push_back({CallKind::SetFontSize, {row.firstSize}});
    expected.push_back({CallKind::SetTextPosition, {row.x, row.y}});
    const PrintEnd end = row.second.empty() ? PrintEnd::EndLine : PrintEnd::ContinueLine;
    expected.push_back({CallKind::Print, {}, {}, row.first, end});
    if (row.second.empty()) continue;
    expected.push_back({CallKind::SetFontSize, {10}});
    expected.push_back({CallKind::Print, {}, {}, row.second,
                        row.first == "cm" ? PrintEnd::ContinueLine : PrintEnd::EndLine});
  }
  expected.push_back({CallKind::SetFontSize, {14}});
  expected.push_back({CallKind::Print, {}, {}, "/g", PrintEnd::EndLine});
  ASSERT_EQ(surface.calls.size(), LabelsStart + expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(surface.calls[LabelsStart + i], expected[i]) << "label call " << i;
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
    return std::count_if(surface.calls.begin(), surface.calls.end(),
                         [&](const SurfaceCall& c) { return c.kind == kind && c.colour == colour; });
  };
  // A left-out point costs its own segment and the next one, which opens a new piece.
  EXPECT_EQ(count(CallKind::SetPoint, Rgb{}), 2);
  EXPECT_EQ(count(CallKind::LineTo, Red), 121 - 3);
  EXPECT_EQ(count(CallKind::Line, Red), 2);
  EXPECT_EQ(count(CallKind::LineTo, Yellow), 121 - 4);
  EXPECT_EQ(count(CallKind::Line, Yellow), 2);
  EXPECT_EQ(count(CallKind::LineTo, White), 121 - 2);
  EXPECT_EQ(count(CallKind::Line, White), 1);
  // The new piece starts exactly at its row's point, with a line of zero length.
  const double x = static_cast<float>(EnergyToX(table.Energy(51)));
  const double y = static_cast<float>(StopPowerToY(table.StopPower(51, Nuclear)));
  const SurfaceCall restart{CallKind::Line, {x, y, x, y}, Yellow};
  EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(), restart), surface.calls.end());
  EXPECT_EQ(surface.calls.back().text, "/g") << "the drawing goes on to its labels";
}

TEST(CursorArea, CoversThePlottedDataOnly) {
  const struct { float x, y; bool inside; } cases[] = {
      {0, 0, true}, {0, 18.4f, true}, {13.8154f, 9, true}, {13.8155f, 9, false}, {16, 9, false},
      {-0.01f, 9, false}, {5, -0.01f, false}, {5, std::nextafter(18.4f, 19.0f), false},
      {-1, -1, false}, {5, NAN, false}};
  for (const auto& c : cases) EXPECT_EQ(IsInCursorArea(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
}

// Rows `row - 1` and `row` hold lower and upper; the others step by a factor 1.25.
MaterialTable TableAround(int row, double lower, double upper) {
  MaterialTable table = GeometricTable(1, 2);
  for (int r = 1; r <= RowCount; ++r)
    table.rows[static_cast<std::size_t>(r - 1)].energy =
        r < row ? lower * std::pow(1.25, r - (row - 1)) : upper * std::pow(1.25, r - row);
  return table;
}

TEST(NearestRow, PicksTheRowWhosePositionIsNearer) {
  const MaterialTable table = TableAround(32, 1.0, 1.25);
  EXPECT_EQ(NearestRow(table, 7.0f), 31);
  EXPECT_EQ(NearestRow(table, 7.05f), 32);
}

TEST(NearestRow, MidpointTieTakesTheHigherEnergy) {
  // Search the upper energy whose position lies exactly as far right of the pointer as
  // 1 MeV lies left of it, so that the two distances compare equal.
  constexpr float pointer = 7.0f;
  const double distance = pointer - EnergyCursorPosition(1.0);
  double upper = std::exp(2 * distance);
  for (int steps = 0; EnergyCursorPosition(upper) - pointer != distance && steps < 100000; ++steps)
    upper = std::nextafter(upper, EnergyCursorPosition(upper) - pointer < distance ? 2.0 : 1.0);
  ASSERT_EQ(EnergyCursorPosition(upper) - pointer, distance) << "no exact tie found";
  const MaterialTable table = TableAround(32, 1.0, upper);
  EXPECT_EQ(NearestRow(table, pointer), 32);
  EXPECT_EQ(NearestRow(table, std::nextafter(pointer, 0.0f)), 31);
}

TEST(NearestRow, SelectsEachRowUnderThePointerAndStaysWithinRowsOneTo122) {
  const MaterialTable table = GeometricTable(0.001, 1000);
  for (int r = 1; r <= RowCount; ++r) EXPECT_EQ(NearestRow(table, EnergyCursorX(table.Energy(r))), r);
  EXPECT_EQ(NearestRow(table, 0.0f), 1);  // the strip left of row 1
  EXPECT_EQ(NearestRow(table, 0.001f), 1);
  const MaterialTable endingEarly = GeometricTable(0.001, 500);
  EXPECT_EQ(NearestRow(endingEarly, 13.5f), RowCount);
  EXPECT_EQ(NearestRow(endingEarly, 13.8154f), RowCount);
}

}  // namespace
}  // namespace alphastop
