#include "core/graph/GraphDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/graph/GraphMapping.h"
#include "support/RecordingSurface.h"
#include "support/SyntheticTable.h"

namespace alphastop {
namespace {

using testing::CallKind;
using testing::RecordingSurface;
using testing::SurfaceCall;

constexpr std::size_t GridStart = 2;
constexpr std::size_t CurvesStart = GridStart + 80 + 70 + 1;  // after the second width
constexpr std::size_t CurveCalls = 1 + (RowCount - 1);
constexpr std::size_t FramingStart = CurvesStart + 3 * CurveCalls;

class GraphDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override { DrawGraphPicture(surface, table); }

  std::span<const SurfaceCall> Calls(std::size_t first, std::size_t count) const {
    return std::span(surface.calls).subspan(first, count);
  }

  // Starts at 0.002 MeV, so that the curves' first point at x = 0 is not row 1's energy.
  const MaterialTable table = testing::GeometricTable(0.002, 5000);
  RecordingSurface surface;
};

TEST_F(GraphDrawingTest, ClearsThenDrawsAThinGreyGridAtEveryDecadeMultiple) {
  ASSERT_GT(surface.calls.size(), CurvesStart);
  EXPECT_EQ(surface.calls[0].kind, CallKind::Clear);
  EXPECT_EQ(surface.calls[1], (SurfaceCall{.kind = CallKind::SetDrawWidth, .size = 1}));

  std::size_t index = GridStart;
  for (int decade = -4; decade <= 3; ++decade) {
    for (int j = 1; j <= 10; ++j) {
      const SurfaceCall& line = surface.calls[index++];
      const double y = StopPowerToY(j * std::pow(10.0, decade));
      ASSERT_EQ(line.kind, CallKind::Line);
      EXPECT_EQ(line.colour, Grey);
      EXPECT_EQ(line.coordinates[0], 0.0f);
      EXPECT_EQ(line.coordinates[2], 16.1f);
      EXPECT_NEAR(line.coordinates[1], y, 1e-5) << j << "e" << decade;
      EXPECT_EQ(line.coordinates[3], line.coordinates[1]);
    }
  }
  for (int decade = -3; decade <= 3; ++decade) {
    for (int j = 1; j <= 10; ++j) {
      const SurfaceCall& line = surface.calls[index++];
      const double x = EnergyToX(j * std::pow(10.0, decade));
      ASSERT_EQ(line.kind, CallKind::Line);
      EXPECT_EQ(line.colour, Grey);
      EXPECT_NEAR(line.coordinates[0], x, 1e-5) << j << "e" << decade;
      EXPECT_EQ(line.coordinates[2], line.coordinates[0]);
      EXPECT_EQ(line.coordinates[1], 0.0f);
      EXPECT_EQ(line.coordinates[3], 18.4f);
    }
  }
  EXPECT_EQ(surface.calls[index], (SurfaceCall{.kind = CallKind::SetDrawWidth, .size = 2}));
}

TEST_F(GraphDrawingTest, DrawsEachColumnAsAPolylineFromTheLeftEdge) {
  ASSERT_GE(surface.calls.size(), FramingStart);
  const Rgb colours[] = {Red, Yellow, White};
  for (int column = Electronic; column <= Total; ++column) {
    SCOPED_TRACE(column);
    const auto curve = Calls(CurvesStart + (column - 1) * CurveCalls, CurveCalls);
    EXPECT_EQ(curve[0], (SurfaceCall{.kind = CallKind::SetPoint,
        .coordinates = {0, static_cast<float>(StopPowerToY(table.StopPower(1, column)))}}));
    for (int row = 2; row <= RowCount; ++row) {
      const SurfaceCall& segment = curve[static_cast<std::size_t>(row - 1)];
      ASSERT_EQ(segment.kind, CallKind::LineTo) << "row " << row;
      EXPECT_EQ(segment.colour, colours[column - 1]);
      EXPECT_NEAR(segment.coordinates[0], EnergyToX(table.Energy(row)), 1e-5);
      EXPECT_NEAR(segment.coordinates[1], StopPowerToY(table.StopPower(row, column)), 1e-5);
    }
  }
}

TEST_F(GraphDrawingTest, PaintsMarginsThenFrameOverTheCurves) {
  ASSERT_GE(surface.calls.size(), FramingStart + 3);
  EXPECT_EQ(surface.calls[FramingStart],
            (SurfaceCall{.kind = CallKind::FilledRectangle,
                         .coordinates = {0, 18.4f, 16.6f, 19.1f}, .colour = Navy}));
  EXPECT_EQ(surface.calls[FramingStart + 1],
            (SurfaceCall{.kind = CallKind::FilledRectangle,
                         .coordinates = {0, 0, 16.6f, -1.9f}, .colour = Navy}));
  EXPECT_EQ(surface.calls[FramingStart + 2],
            (SurfaceCall{.kind = CallKind::Rectangle,
                         .coordinates = {0, 0, 16.1f, 18.4f}, .colour = White}));
  const auto widths = std::count_if(surface.calls.begin(), surface.calls.end(),
      [](const SurfaceCall& c) { return c.kind == CallKind::SetDrawWidth; });
  EXPECT_EQ(widths, 2) << "the frame is drawn at the curves' width of 2";
}

struct LabelRow {
  float x, y;
  double firstSize;  // 0: the size left by the previous row stays in force
  std::string first, second;
};

// The axis labels in drawing order; "10" rows raise their exponent at 10 pt.
const LabelRow Labels[] = {
    {-0.4f, -0.1f, 16, "10", "-3"}, {1.9f, -0.1f, 16, "10", "-2"},
    {4.2f, -0.1f, 16, "10", "-1"},  {6.5f, -0.1f, 16, "10", "0"},
    {8.8f, -0.1f, 16, "10", "1"},   {11.1f, -0.1f, 16, "10", "2"},
    {13.4f, -0.1f, 16, "10", "3"},  {15.6f, -0.1f, 16, "10", "4"},
    {5.0f, -1.0f, 16, "Kinetic energy of Helium ion,   MeV", ""},
    {-1.1f, 0.4f, 0, "10", "-4"},   {-1.1f, 2.6f, 16, "10", "-3"},
    {-1.1f, 4.9f, 16, "10", "-2"},  {-1.1f, 7.2f, 16, "10", "-1"},
    {-1.1f, 9.5f, 16, "10", "0"},   {-1.1f, 11.8f, 16, "10", "1"},
    {-1.1f, 14.1f, 16, "10", "2"},  {-1.1f, 16.4f, 16, "10", "3"},
    {-1.1f, 18.7f, 16, "10", "4"},  {-1.5f, 17.8f, 14, "MeV", ""},
};

TEST_F(GraphDrawingTest, EndsWithTheLabelsInOrder) {
  std::vector<SurfaceCall> expected;
  const auto size = [&](double points) {
    expected.push_back({.kind = CallKind::SetFontSize, .size = points});
  };
  const auto print = [&](std::string text, PrintEnd end) {
    expected.push_back({.kind = CallKind::Print, .text = std::move(text), .end = end});
  };
  for (const LabelRow& row : Labels) {
    if (row.firstSize != 0) size(row.firstSize);
    expected.push_back({.kind = CallKind::SetTextPosition, .coordinates = {row.x, row.y}});
    if (row.second.empty()) {
      print(row.first, PrintEnd::EndLine);
    } else {
      print(row.first, PrintEnd::ContinueLine);
      size(10);
      print(row.second, PrintEnd::EndLine);
    }
  }
  // cm2/g: "cm" at the 14 pt left by "MeV", a raised "2", back to 14 pt for "/g".
  expected.push_back({.kind = CallKind::SetTextPosition, .coordinates = {-1.5f, 17.2f}});
  print("cm", PrintEnd::ContinueLine);
  size(10);
  print("2", PrintEnd::ContinueLine);
  size(14);
  print("/g", PrintEnd::EndLine);

  ASSERT_EQ(surface.calls.size(), FramingStart + 3 + expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(surface.calls[FramingStart + 3 + i], expected[i]) << "label call " << i;
  }
}

// Row 1 has no electronic value, row 50 no nuclear value and row 80 no energy.
MaterialTable TableWithGaps() {
  MaterialTable table = testing::GeometricTable(0.001, 1000);
  table.rows[0].stopPower[Electronic - 1] = 0;
  table.rows[49].stopPower[Nuclear - 1] = 0;
  table.rows[79].energy = -1;
  return table;
}

TEST(GraphDrawingGapsTest, PointsWithoutLogarithmAreLeftOutOfTheirCurve) {
  RecordingSurface surface;
  const MaterialTable table = TableWithGaps();
  DrawGraphPicture(surface, table);

  for (const SurfaceCall& call : surface.calls) {
    for (float c : call.coordinates) ASSERT_TRUE(std::isfinite(c)) << call;
  }
  const auto count = [&](CallKind kind, Rgb colour) {
    return std::count_if(surface.calls.begin(), surface.calls.end(), [&](const SurfaceCall& c) {
      return c.kind == kind && c.colour == colour;
    });
  };
  // Each left-out point costs its own segment, and the next point opens a new piece.
  EXPECT_EQ(count(CallKind::SetPoint, Rgb{}), 2);  // the electronic curve has no start
  EXPECT_EQ(count(CallKind::LineTo, Red), 121 - 3);
  EXPECT_EQ(count(CallKind::Line, Red), 2);
  EXPECT_EQ(count(CallKind::LineTo, Yellow), 121 - 4);
  EXPECT_EQ(count(CallKind::Line, Yellow), 2);
  EXPECT_EQ(count(CallKind::LineTo, White), 121 - 2);
  EXPECT_EQ(count(CallKind::Line, White), 1);

  // A new piece starts exactly at its row's point, with a segment of zero length.
  const float x51 = static_cast<float>(EnergyToX(table.Energy(51)));
  const float y51 = static_cast<float>(StopPowerToY(table.StopPower(51, Nuclear)));
  const SurfaceCall restart{.kind = CallKind::Line, .coordinates = {x51, y51, x51, y51},
                            .colour = Yellow};
  EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(), restart), surface.calls.end());
  EXPECT_EQ(surface.calls.back().text, "/g") << "the drawing goes on to its labels";
}

}  // namespace
}  // namespace alphastop
