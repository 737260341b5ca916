// The computed table: energy grid, ranges consistent with the stopping power, detour factor.

#include "core/tables/EnergyGrid.h"
#include "core/tables/RangeIntegration.h"
#include "core/tables/StoppingTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace alphastop::tables {
namespace {

Material Water() {
  return {"Water, liquid", "Water_liquid.asc", Phase::Condensed, 1.0, 75.0,
          {{1, 0.111894}, {8, 0.888106}}};
}

Material Gold() { return {"Gold", "Gold.as", Phase::Condensed, 19.32, 790.0, {{79, 1.0}}}; }

TEST(EnergyGrid, HasTheStandardStepsFromOneKeVToOneGeV) {
  const auto grid = StandardEnergyGrid();
  EXPECT_DOUBLE_EQ(grid.front(), 1e-3);
  EXPECT_DOUBLE_EQ(grid[1], 1.5e-3);
  EXPECT_DOUBLE_EQ(grid[5], 4e-3);    // no 3.5 keV
  EXPECT_DOUBLE_EQ(grid[11], 1e-2);
  EXPECT_DOUBLE_EQ(grid[12], 1.25e-2);
  EXPECT_DOUBLE_EQ(grid[20], 3.5e-2);  // halves from 3 on
  EXPECT_DOUBLE_EQ(grid.back(), 1000.0);
  for (std::size_t i = 1; i < grid.size(); ++i) EXPECT_GT(grid[i], grid[i - 1]) << i;
}

TEST(RangeIntegration, ConstantStoppingGivesRangeProportionalToEnergy) {
  const auto grid = StandardEnergyGrid();
  const std::vector<double> energies(grid.begin(), grid.end());
  const Ranges r = IntegrateRanges([](double) { return 10.0; }, [](double) { return 0.0; }, energies);
  for (std::size_t i = 0; i < energies.size(); ++i) {
    EXPECT_NEAR(r.csda[i], energies[i] / 10.0, 1e-6 * energies[i]);
    EXPECT_NEAR(r.projected[i], r.csda[i], 1e-12 * r.csda[i]);  // no deflection
  }
}

TEST(RangeIntegration, SqrtStoppingGivesTheAnalyticRange) {
  // S = c sqrt(E): R = 2 sqrt(E) / c.
  const auto grid = StandardEnergyGrid();
  const std::vector<double> energies(grid.begin(), grid.end());
  const Ranges r = IntegrateRanges([](double e) { return 50.0 * std::sqrt(e); },
                                   [](double) { return 0.0; }, energies);
  for (std::size_t i = 0; i < energies.size(); ++i) {
    EXPECT_NEAR(r.csda[i], 2 * std::sqrt(energies[i]) / 50.0, 1e-5 * r.csda[i]);
  }
}

TEST(RangeIntegration, ConstantTurningGivesTheLewisProjectedRange) {
  // Constant S and transport cross-section k: R_p = (1 - exp(-k R)) / k, up to k R = 2.
  const auto grid = StandardEnergyGrid();
  std::vector<double> energies;
  for (double e : grid) {
    if (e <= 1.0) energies.push_back(e);
  }
  const double k = 20.0;
  const Ranges r = IntegrateRanges([](double) { return 10.0; }, [k](double) { return k; }, energies);
  for (std::size_t i = 0; i < energies.size(); ++i) {
    EXPECT_NEAR(r.projected[i], (1 - std::exp(-k * r.csda[i])) / k, 1e-4 * r.projected[i]);
  }
}

class StoppingTableOf : public ::testing::TestWithParam<Material> {};

TEST_P(StoppingTableOf, RangesRiseAndFollowTheStoppingPower) {
  const StoppingTable table = ComputeStoppingTable(GetParam());
  for (std::size_t i = 1; i < table.size(); ++i) {
    const auto& a = table[i - 1];
    const auto& b = table[i];
    EXPECT_GT(b.csdaRange, a.csdaRange) << b.energy;
    EXPECT_GT(b.projectedRange, a.projectedRange) << b.energy;
    // dR/dE = 1/S: the range gained over a step against the step over the mean stopping,
    // within what the curvature of 1/S over one step allows.
    const double expected = (b.energy - a.energy) * 0.5 * (1 / a.total + 1 / b.total);
    EXPECT_NEAR((b.csdaRange - a.csdaRange) / expected, 1.0, 0.03) << b.energy;
  }
}

TEST_P(StoppingTableOf, StoppingPowersArePositiveAndAddUp) {
  for (const StoppingRow& row : ComputeStoppingTable(GetParam())) {
    EXPECT_GT(row.electronic, 0.0) << row.energy;
    EXPECT_GT(row.nuclear, 0.0) << row.energy;
    EXPECT_DOUBLE_EQ(row.total, row.electronic + row.nuclear);
  }
}

TEST_P(StoppingTableOf, DetourFactorLiesBetweenZeroAndOneAndNearsOneAtHighEnergy) {
  const StoppingTable table = ComputeStoppingTable(GetParam());
  for (const StoppingRow& row : table) {
    EXPECT_GT(row.detourFactor, 0.0) << row.energy;
    EXPECT_LE(row.detourFactor, 1.0) << row.energy;
    EXPECT_DOUBLE_EQ(row.detourFactor, row.projectedRange / row.csdaRange);
  }
  EXPECT_GT(table.back().detourFactor, 0.99);
  EXPECT_LT(table.front().detourFactor, 0.7);
}

TEST_P(StoppingTableOf, RepeatingTheCalculationGivesTheSameTable) {
  const StoppingTable a = ComputeStoppingTable(GetParam());
  const StoppingTable b = ComputeStoppingTable(GetParam());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].total, b[i].total);
    EXPECT_EQ(a[i].projectedRange, b[i].projectedRange);
  }
}

INSTANTIATE_TEST_SUITE_P(WaterAndGold, StoppingTableOf, ::testing::Values(Water(), Gold()));

}  // namespace
}  // namespace alphastop::tables
