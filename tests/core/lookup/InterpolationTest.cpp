#include "core/lookup/Interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "core/data/MaterialFile.h"
#include "core/lookup/ReadoutFormat.h"
#include "support/SharedData.h"
#include "support/SyntheticTable.h"

namespace alphastop {
namespace {

std::string Readouts(const StopPowers& s) {
  return FormatReadout(s.electronic) + " " + FormatReadout(s.nuclear) + " " + FormatReadout(s.total);
}

TEST(Interpolation, FollowsTheLogLogLineOfEachColumnThroughTheFirstTwoRows) {
  MaterialTable table = testing::GeometricTable(2, 2000);  // rows 3.. climb on from 2 MeV
  table.rows[0] = {1, {100, 1, 200}, {}, {}};
  table.rows[1] = {2, {80, 0.5, 100}, {}, {}};
  // The total at 1.5 MeV is 133.3 from its own column, not the 88.4 of electronic + nuclear.
  const std::pair<double, const char*> cases[] = {
      {1.5, "8.776E+01 6.667E-01 1.333E+02"}, {1.0, "1.000E+02 1.000E+00 2.000E+02"},
      {2.0, "8.000E+01 5.000E-01 1.000E+02"}, {0.5, "1.250E+02 2.000E+00 4.000E+02"}};
  for (const auto& [energy, texts] : cases) {
    const auto s = InterpolateStopPower(table, energy);
    ASSERT_TRUE(s) << energy;
    EXPECT_EQ(Readouts(*s), texts) << energy;
  }
}

TEST(Interpolation, TabulatedEnergiesOfAReferenceTableReadTheirRowsTexts) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  for (const char* name : {"as/Gold.as", "asc/Water_liquid.asc"}) {
    const ReadResult read = ReadMaterialTable((reference / name).string());
    ASSERT_TRUE(read.table) << name;
    for (int r = 1; r <= RowCount; ++r) {
      std::istringstream row(read.table->RowText(r));
      std::string energy, electronic, nuclear, total;
      row >> energy >> electronic >> nuclear >> total;
      const auto s = InterpolateStopPower(*read.table, read.table->Energy(r));
      ASSERT_TRUE(s) << name << " row " << r;
      EXPECT_EQ(FormatReadout(read.table->Energy(r)), energy) << name << " row " << r;
      EXPECT_EQ(Readouts(*s), electronic + " " + nuclear + " " + total) << name << " row " << r;
    }
  }
}

// On log-log axes the midpoint of two rows is their geometric mean in both quantities; a
// bracket off by one row would miss it.
TEST(Interpolation, GeometricMeanOfTwoRowsGivesTheGeometricMeanOfTheirValues) {
  const MaterialTable table = testing::GeometricTable(0.001, 1000);
  for (int r = 2; r <= RowCount; ++r) {
    const auto s = InterpolateStopPower(table, std::sqrt(table.Energy(r - 1) * table.Energy(r)));
    ASSERT_TRUE(s) << r;
    const double values[] = {s->electronic, s->nuclear, s->total};
    for (int c = Electronic; c <= Total; ++c) {
      const double expected = std::sqrt(table.StopPower(r - 1, c) * table.StopPower(r, c));
      EXPECT_NEAR(values[c - 1], expected, 1e-12 * expected) << "row " << r << " column " << c;
    }
  }
}

TEST(Interpolation, AboveTheLastEnergyHasNoBracket) {
  const MaterialTable table = testing::GeometricTable(0.001, 500);
  EXPECT_TRUE(InterpolateStopPower(table, 500));
  for (double energy : {std::nextafter(500.0, 1000.0), 1000.0, std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(InterpolateStopPower(table, energy)) << energy;
}

}  // namespace
}  // namespace alphastop
