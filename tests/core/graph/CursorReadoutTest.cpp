#include "core/graph/CursorReadout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/lookup/CursorPlacement.h"
#include "support/SyntheticTable.h"

namespace alphastop {
namespace {

using testing::GeometricTable;

struct AreaCase {
  float x, y;
  bool inside;
};

class CursorAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(CursorAreaTest, CoversThePlottedDataOnly) {
  EXPECT_EQ(IsInCursorArea(GetParam().x, GetParam().y), GetParam().inside)
      << "(" << GetParam().x << ", " << GetParam().y << ")";
}

INSTANTIATE_TEST_SUITE_P(Bounds, CursorAreaTest, ::testing::Values(
    AreaCase{0, 0, true}, AreaCase{0, 18.4f, true}, AreaCase{13.8154f, 9, true},
    AreaCase{13.8155f, 9, false}, AreaCase{16, 9, false}, AreaCase{-0.01f, 9, false},
    AreaCase{5, -0.01f, false}, AreaCase{5, std::nextafter(18.4f, 19.0f), false},
    AreaCase{-1, -1, false}, AreaCase{5, NAN, false}));

// Rows `row - 1` and `row` hold lower and upper; the others step by a factor 1.25.
MaterialTable TableAround(int row, double lower, double upper) {
  MaterialTable table = GeometricTable(1, 2);
  for (int r = 1; r <= RowCount; ++r) {
    table.rows[static_cast<std::size_t>(r - 1)].energy =
        r < row ? lower * std::pow(1.25, r - (row - 1)) : upper * std::pow(1.25, r - row);
  }
  return table;
}

TEST(NearestRowTest, PicksTheRowWhosePositionIsNearer) {
  const MaterialTable table = TableAround(32, 1.0, 1.25);
  EXPECT_EQ(NearestRow(table, 7.0f), 31);
  EXPECT_EQ(NearestRow(table, 7.05f), 32);
}

TEST(NearestRowTest, MidpointTieTakesTheHigherEnergy) {
  // Search the upper energy whose position lies exactly as far right of the pointer as
  // 1 MeV lies left of it, so that the two distances compare equal.
  constexpr float pointer = 7.0f;
  const double distance = pointer - EnergyCursorPosition(1.0);
  double upper = std::exp(2 * distance);
  int steps = 0;
  while (EnergyCursorPosition(upper) - pointer != distance && steps++ < 100000) {
    upper = std::nextafter(upper, EnergyCursorPosition(upper) - pointer < distance ? 2.0 : 1.0);
  }
  ASSERT_EQ(EnergyCursorPosition(upper) - pointer, distance) << "no exact tie found";

  const MaterialTable table = TableAround(32, 1.0, upper);
  EXPECT_EQ(NearestRow(table, pointer), 32);
  EXPECT_EQ(NearestRow(table, std::nextafter(pointer, 0.0f)), 31);
}

class NearestRowAtRowTest : public ::testing::TestWithParam<int> {};

TEST_P(NearestRowAtRowTest, PointerOnARowSelectsIt) {
  const MaterialTable table = GeometricTable(0.001, 1000);
  EXPECT_EQ(NearestRow(table, EnergyCursorX(table.Energy(GetParam()))), GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, NearestRowAtRowTest, ::testing::Range(1, RowCount + 1));

TEST(NearestRowTest, StripLeftOfFirstRowSelectsTheFirstRow) {
  const MaterialTable table = GeometricTable(0.001, 1000);
  EXPECT_EQ(NearestRow(table, 0.0f), 1);
  EXPECT_EQ(NearestRow(table, 0.001f), 1);
}

TEST(NearestRowTest, TableEndingEarlyStopsAtTheLastRow) {
  const MaterialTable table = GeometricTable(0.001, 500);
  EXPECT_EQ(NearestRow(table, 13.5f), RowCount);
  EXPECT_EQ(NearestRow(table, 13.8154f), RowCount);
}

}  // namespace
}  // namespace alphastop
