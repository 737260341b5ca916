// Ranges, energies from ranges and energies through layers. The made-up tables follow a
// power law R = C E^Q at their rows, which a line on log-log axes follows exactly between
// them, so every result has a closed form; a real table must give back its own rows.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/data/MaterialFile.h"
#include "core/lookup/Interpolation.h"
#include "core/range/LayerStack.h"
#include "core/range/RangeInterpolation.h"
#include "core/range/Stack.h"
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

// Rows whose total stopping power has a Bragg peak, S = 1000 E^0.6 / (1 + (E/0.7)^1.4), and
// whose CSDA range is its integral of 1/S in full precision (Simpson's rule on ln E; below
// row 1, S ~ 1000 E^0.6 integrates in closed form): a table whose two columns agree.
MaterialTable BraggPeakTable() {
  const auto stopping = [](double e) {
    return 1000 * std::pow(e, 0.6) / (1 + std::pow(e / 0.7, 1.4));
  };
  MaterialTable table = testing::GeometricTable(1e-3, 1e3);
  double range = std::pow(1e-3, 0.4) / 0.4 / 1000;
  for (int r = 1; r <= RowCount; ++r) {
    TableRow& row = table.rows[static_cast<std::size_t>(r - 1)];
    if (r > 1) {
      constexpr int Steps = 200;
      const double a = std::log(table.Energy(r - 1)), h = (std::log(row.energy) - a) / Steps;
      double sum = 0;
      for (int k = 0; k <= Steps; ++k) {
        const double e = std::exp(a + k * h);
        sum += (k == 0 || k == Steps ? 1 : k % 2 ? 4 : 2) * e / stopping(e);
      }
      range += sum * h / 3;
    }
    row.stopPower = {stopping(row.energy), 1e-3 * stopping(row.energy), stopping(row.energy)};
    row.range = {range, range};
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

// Between two rows the range follows 1/S: a layer of a ten-thousandth of the range takes S t
// of the energy wherever it starts (a straight log-log line of the ranges would be 3 % off
// near the peak).
TEST(CrossLayer, AThinLayerTakesTheStoppingPowerTimesItsThickness) {
  const MaterialTable table = BraggPeakTable();
  for (double energy = 0.01; energy < 500; energy *= 1.0137) {
    const double thickness = 1e-4 * Value(CsdaRangeAtEnergy(table, energy));
    const double lost = energy - Value(CrossLayer(table, thickness, energy)).energyOut;
    const double expected = InterpolateStopPower(table, energy)->total * thickness;
    ASSERT_NEAR(lost, expected, 2e-3 * expected) << energy << " MeV";
  }
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

TEST(RangeAtEnergy, GivesBackTheRowsOfAReferenceTable) {
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
  }
}

// A stack as typed: each layer's own fault is named whether reached or not; the crossing is
// CrossLayer's, layer after layer, up to the stop.
TEST(EvaluateStack, GivesEveryLayersNumbersOrItsMessageAndStopsWhereTheParticleDoes) {
  testing::TempFolder data;
  data.Write("as/Dense.as", testing::JoinLines(testing::ValidTableLines("DENSE")));
  auto vague = testing::ValidTableLines("VAGUE");
  vague[2] = "no density here";
  data.Write("as/Vague.as", testing::JoinLines(vague));
  MaterialCache cache(CatalogOf({DataSource::Explicit, data.Path(), std::nullopt}));
  const MaterialTable dense = Value(cache.Load("Dense")).table;
  const MaterialTable vagueTable = Value(cache.Load("Vague")).table;

  const StackResult stack = EvaluateStack(
      {"5", {{"dense", "1mg/cm2"}, {"Dense", "0"}, {"Vague", "1"}, {"Dense", "1um"}}}, cache);
  ASSERT_EQ(stack.layers.size(), 4u);
  const LayerResult &first = stack.layers[0], &empty = stack.layers[1], &stop = stack.layers[2];
  EXPECT_TRUE(first.state == LayerState::Crossed && first.material == "Dense" &&
              first.energyIn == 5 && first.ThicknessMicrometres() == 10.0);
  EXPECT_EQ(first.energyOut, Value(CrossLayer(dense, 1e-3, 5)).energyOut);
  EXPECT_EQ(first.energyLost, first.energyIn - first.energyOut);
  EXPECT_TRUE(empty.state == LayerState::Crossed && empty.energyOut == first.energyOut);
  EXPECT_EQ(stop.state, LayerState::StoppedIn);
  EXPECT_EQ(stop.stopDepth, Value(CsdaRangeAtEnergy(vagueTable, first.energyOut)));
  EXPECT_FALSE(stop.StopDepthMicrometres()) << "no density, no length";
  EXPECT_TRUE(stack.layers[3].state == LayerState::NotReached && stack.Stopped() &&
              stack.energyOut == 0 && !stack.FirstRefusal());

  const std::vector<LayerInput> faulty = {{"Nothing", "1um"}, {"Vague", "1um"}, {"Dense", "-1um"}};
  const StackResult noEnergy = EvaluateStack({"five", faulty}, cache);
  EXPECT_EQ(noEnergy.FirstRefusal()->message.substr(0, 32), "\"five\": neither an energy nor a ");
  EXPECT_EQ(noEnergy.layers[0].refusal->message,
            "unknown material \"Nothing\" in \"" + data.Path().string() + "\"");
  EXPECT_NE(noEnergy.layers[1].refusal->message.find("density"), std::string::npos);
  EXPECT_EQ(noEnergy.layers[2].refusal->message, "\"-1um\": a thickness cannot be negative");
  EXPECT_EQ(EvaluateStack({"5", faulty}, cache).FirstRefusal()->message.substr(0, 25),
            "layer 1: unknown material");
  const StackResult tooHigh = EvaluateStack({"5000", {{"Dense", "1um"}}}, cache);
  EXPECT_EQ(tooHigh.FirstRefusal()->message.substr(0, 32), "layer 1: 5000 MeV is outside thi");
  EXPECT_TRUE(EvaluateStack({"", {{"Dense", "1um"}}}, cache).layers[0].state ==
              LayerState::NotReached);
}

}  // namespace
}  // namespace alphastop
