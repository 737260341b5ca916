#include "core/graph/CursorReadout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/lookup/CursorPlacement.h"
#include "support/SyntheticTable.h"

namespace alphastop {
namespace {

using testing::GeometricTable;

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
