#include "core/lookup/Interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/lookup/ReadoutFormat.h"
#include "support/SyntheticTable.h"

namespace alphastop {
namespace {

using testing::GeometricTable;

// Rows 1 and 2 at 1 and 2 MeV; the other rows climb on to 2000 MeV.
MaterialTable TableFromOneMeV() {
  MaterialTable table;
  for (int r = 3; r <= RowCount; ++r) {
    TableRow& row = table.rows[static_cast<std::size_t>(r - 1)];
    row.energy = 2 * std::pow(1000.0, (r - 2) / double(RowCount - 2));
    row.stopPower = {50, 0.1, 60};
  }
  table.rows[0].energy = 1;
  table.rows[0].stopPower = {100, 1, 200};
  table.rows[1].energy = 2;
  table.rows[1].stopPower = {80, 0.5, 100};
  return table;
}

struct ReadoutCase {
  double energy;
  std::string electronic, nuclear, total;
};

class InterpolationReadoutTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(InterpolationReadoutTest, FollowsTheLogLogLineOfEachColumn) {
  const auto s = InterpolateStopPower(TableFromOneMeV(), GetParam().energy);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(FormatReadout(s->electronic), GetParam().electronic);
  EXPECT_EQ(FormatReadout(s->nuclear), GetParam().nuclear);
  EXPECT_EQ(FormatReadout(s->total), GetParam().total);
}

// The total at 1.5 MeV is 133.3 from its own column, not the 88.4 of electronic + nuclear.
INSTANTIATE_TEST_SUITE_P(FirstTwoRows, InterpolationReadoutTest, ::testing::Values(
    ReadoutCase{1.5, "8.776E+01", "6.667E-01", "1.333E+02"},
    ReadoutCase{1.0, "1.000E+02", "1.000E+00", "2.000E+02"},
    ReadoutCase{2.0, "8.000E+01", "5.000E-01", "1.000E+02"},
    ReadoutCase{0.5, "1.250E+02", "2.000E+00", "4.000E+02"}));

class InterpolationAtRowTest : public ::testing::TestWithParam<int> {
 protected:
  const MaterialTable table = GeometricTable(0.001, 1000);
};

TEST_P(InterpolationAtRowTest, TabulatedEnergyReadsThatRow) {
  const int r = GetParam();
  const auto s = InterpolateStopPower(table, table.Energy(r));
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(FormatReadout(s->electronic), FormatReadout(table.StopPower(r, Electronic)));
  EXPECT_EQ(FormatReadout(s->nuclear), FormatReadout(table.StopPower(r, Nuclear)));
  EXPECT_EQ(FormatReadout(s->total), FormatReadout(table.StopPower(r, Total)));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, InterpolationAtRowTest, ::testing::Range(1, RowCount + 1));

class InterpolationBelowRowTest : public InterpolationAtRowTest {};

// On log-log axes the midpoint of two rows is their geometric mean in both quantities;
// a bracket off by one row would miss it.
TEST_P(InterpolationBelowRowTest, GeometricMeanOfTwoRowsGivesGeometricMeanOfValues) {
  const int r = GetParam();
  const auto s = InterpolateStopPower(table, std::sqrt(table.Energy(r - 1) * table.Energy(r)));
  ASSERT_TRUE(s.has_value());
  const double values[] = {s->electronic, s->nuclear, s->total};
  for (int c = Electronic; c <= Total; ++c) {
    const double expected = std::sqrt(table.StopPower(r - 1, c) * table.StopPower(r, c));
    EXPECT_NEAR(values[c - 1], expected, 1e-12 * expected) << "column " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRowPair, InterpolationBelowRowTest,
                         ::testing::Range(2, RowCount + 1));

TEST(InterpolationBeyondTableTest, AboveTheLastEnergyHasNoBracket) {
  const MaterialTable table = GeometricTable(0.001, 500);
  EXPECT_TRUE(InterpolateStopPower(table, 500).has_value());
  EXPECT_FALSE(InterpolateStopPower(table, std::nextafter(500.0, 1000.0)).has_value());
  EXPECT_FALSE(InterpolateStopPower(table, 1000).has_value());
  EXPECT_FALSE(InterpolateStopPower(table, std::numeric_limits<double>::infinity()).has_value());
}

}  // namespace
}  // namespace alphastop
