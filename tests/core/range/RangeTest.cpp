// Ranges, energies from ranges and energies through layers. The made-up tables follow a
// power law R = C E^Q at their rows, which a line on log-log axes follows exactly between
// them, so every result has a closed form; a real table must give back its own rows.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/data/MaterialFile.h"
#include "core/range/LayerStack.h"
#include "core/range/RangeInterpolation.h"
#include "support/CheckedValue.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

constexpr double Tolerance = 1e-12;  // relative
constexpr double C = 2e-3, Q = 1.6;  // CSDA range in g/cm2 for an energy in MeV
constexpr double CProjected = 1.5e-3, QProjected = 1.7;

double Csda(double energy) { return C * std::pow(energy, Q); }
double EnergyOf(double csdaRange) { return std::pow(csdaRange / C, 1 / Q); }

// Rows from 1 keV to 1 GeV; the total stopping power is that of the power law, 1 / (dR/dE).
MaterialTable PowerLawTable() {
  MaterialTable table = testing::GeometricTable(1e-3, 1e3);
  for (TableRow& row : table.rows) {
    const double total = std::pow(row.energy, 1 - Q) / (C * Q);
    row.stopPower = {0.9 * total, 0.1 * total, total};
    row.range = {Csda(row.energy), CProjected * std::pow(row.energy, QProjected)};
  }
  return table;
}

using testing::RefusalText;
using testing::Value;

TEST(RangeAtEnergy, FollowsThePowerLawBetweenTheRowsAndBack) {
  const MaterialTable table = PowerLawTable();
  for (int i = 0; i <= 1000; ++i) {
    const double energy = 1e-3 * std::pow(1e6, i / 1000.0);  // rows 1 and 122 included
    const Ranges ranges = Value(RangeAtEnergy(table, energy));
    EXPECT_NEAR(ranges.csda, Csda(energy), Tolerance * Csda(energy)) << energy;
    EXPECT_NEAR(ranges.projected, CProjected * std::pow(energy, QProjected),
                Tolerance * ranges.projected)
        << energy;
    EXPECT_EQ(Value(CsdaRangeAtEnergy(table, energy)), ranges.csda) << energy;
    EXPECT_NEAR(Value(EnergyFromCsdaRange(table, ranges.csda)), energy, Tolerance * energy)
        << energy;
  }
}

TEST(CrossLayers, LeaveEachLayerWithTheEnergyOfTheRangeLeftAndStopWhereItRunsOut) {
  const MaterialTable table = PowerLawTable();
  const double range = Csda(8);
  const Layer stack[] = {{&table, 0.2 * range},
                         {&table, 0},
                         {&table, 0.3 * range},
                         {&table, 0.6 * range},
                         {&table, 0}};
  const StackCrossing crossing = Value(CrossLayers(stack, 8));
  ASSERT_EQ(crossing.layers.size(), 4u) << "no layer after the stop";
  const double expectedOut[] = {EnergyOf(0.8 * range), EnergyOf(0.8 * range), EnergyOf(0.5 * range),
                                0};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(crossing.layers[k].energyOut, expectedOut[k], Tolerance * expectedOut[k])
        << "layer " << k + 1;
    EXPECT_EQ(crossing.layers[k].energyIn, k == 0 ? 8 : crossing.layers[k - 1].energyOut)
        << "layer " << k + 1;
    EXPECT_EQ(crossing.layers[k].stopDepth.has_value(), k == 3) << "layer " << k + 1;
  }
  EXPECT_EQ(crossing.layers[1].energyOut, crossing.layers[1].energyIn)
      << "a layer of 0 passes the energy unchanged";
  EXPECT_NEAR(crossing.layers[3].stopDepth.value_or(0), 0.5 * range, Tolerance * range);
  EXPECT_TRUE(crossing.Stopped());
  EXPECT_EQ(crossing.energyOut, 0);
  const double whole = Value(CrossLayer(table, 0.5 * range, 8)).energyOut;
  EXPECT_NEAR(crossing.layers[2].energyOut, whole, Tolerance * whole)
      << "one layer as thick as the first three";

  // A rest just below row 1's range stops; just above it leaves with row 1's energy, never less.
  const double first = table.RangeData(1, CsdaRange);
  const double justShort = Csda(0.01) - first * (1 - 1e-6);
  EXPECT_EQ(Value(CrossLayer(table, justShort, 0.01)).stopDepth, justShort)
      << "stopped at the far side";
  const LayerCrossing above = Value(CrossLayer(table, Csda(0.01) - first * (1 + 1e-6), 0.01));
  EXPECT_FALSE(above.stopDepth);
  EXPECT_GE(above.energyOut, table.Energy(1));
  EXPECT_NEAR(above.energyOut, table.Energy(1), 1e-6 * table.Energy(1));
}

TEST(RangeFunctions, RefuseValuesOutsideTheTableNamingItsLimits) {
  const MaterialTable table = PowerLawTable();
  const Layer stack[] = {{&table, 1e-3}, {nullptr, 1e-3}};
  const std::string energies = " is outside this table's energies, 1.000E-03 to 1.000E+03 MeV";
  const std::string ranges = " is outside this table's CSDA ranges, 3.170E-08 to 1.262E+02 g/cm2";
  const std::string energyMust = "the energy must be a finite number above zero, not ";
  const std::pair<std::string, std::string> cases[] = {
      {RefusalText(RangeAtEnergy(table, 5000)), "5000 MeV" + energies},
      {RefusalText(CsdaRangeAtEnergy(table, 0.0005)), "0.0005 MeV" + energies},
      {RefusalText(EnergyFromCsdaRange(table, 200)), "200 g/cm2" + ranges},
      {RefusalText(EnergyFromCsdaRange(table, 3e-8)), "3e-08 g/cm2" + ranges},
      {RefusalText(RangeAtEnergy(table, -5)), energyMust + "-5 MeV"},
      {RefusalText(CsdaRangeAtEnergy(table, std::numeric_limits<double>::quiet_NaN())),
       energyMust + "nan MeV"},
      {RefusalText(EnergyFromCsdaRange(table, 0)),
       "the range must be a finite number above zero, not 0 g/cm2"},
      {RefusalText(CrossLayer(table, -1e-3, 5)),
       "the thickness must be a finite number of zero or more, not -0.001 g/cm2"},
      {RefusalText(CrossLayers(stack, 5)), "layer 2: no material is given"},
      {RefusalText(CrossLayers(std::span(stack, 1), 5000)), "layer 1: 5000 MeV" + energies},
      {RefusalText(CrossLayers({}, -1)), energyMust + "-1 MeV"}};
  for (const auto& [refusal, expected] : cases) EXPECT_EQ(refusal, expected);
}

TEST(RangeFunctions, RefuseATableWithUnfitRangesThatStillLoads) {
  testing::TempFolder folder;
  auto lines = testing::ValidTableLines();
  lines[59].replace(40, 9, "1.000E-09");  // row 50's CSDA range, below row 49's
  const MaterialTable read =
      Value(ReadMaterialTable(folder.Write("odd.as", testing::JoinLines(lines))));
  MaterialTable zeroFirst = PowerLawTable(), negativeProjected = PowerLawTable();
  zeroFirst.rows[0].range[0] = 0;
  negativeProjected.rows[9].range[1] = -1;
  for (const auto& [table, row] : {std::pair{&read, "of row 50 ("}, {&zeroFirst, "of row 1 is"}}) {
    for (const std::string& refusal :
         {RefusalText(RangeAtEnergy(*table, 0.5)), RefusalText(EnergyFromCsdaRange(*table, 0.01)),
          RefusalText(CrossLayer(*table, 0, 0.5))})
      EXPECT_NE(refusal.find("CSDA range " + std::string(row)), std::string::npos) << refusal;
  }
  EXPECT_NE(RefusalText(RangeAtEnergy(negativeProjected, 5)).find("projected range of row 10"),
            std::string::npos);
  EXPECT_EQ(Value(CrossLayer(negativeProjected, 0, 5)).energyOut, 5)
      << "layers need the CSDA ranges only";
}

TEST(RangeAtEnergy, GivesBackTheRowsOfAReferenceTableAndASplitLayerLeavesTheSameEnergy) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  const MaterialTable table = Value(ReadMaterialTable((reference / "as/Silicon.as").string()));
  for (int r = 1; r <= RowCount; ++r) {
    const double energy = table.Energy(r), range = table.RangeData(r, CsdaRange);
    const Ranges ranges = Value(RangeAtEnergy(table, energy));
    EXPECT_NEAR(ranges.csda, range, Tolerance * range) << "row " << r;
    EXPECT_NEAR(ranges.projected, table.RangeData(r, ProjectedRange), Tolerance * ranges.projected)
        << "row " << r;
    EXPECT_NEAR(Value(EnergyFromCsdaRange(table, range)), energy, Tolerance * energy)
        << "row " << r;
    const Layer halves[] = {{&table, 0.15 * range}, {&table, 0.15 * range}};
    const double whole = Value(CrossLayer(table, 0.3 * range, energy)).energyOut;
    EXPECT_NEAR(Value(CrossLayers(halves, energy)).energyOut, whole, Tolerance * whole)
        << "row " << r;
  }
}

}  // namespace
}  // namespace alphastop
