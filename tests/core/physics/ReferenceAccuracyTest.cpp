// The generated tables against every reference table beside the project: each reference
// material is generated from the density, I-value and composition printed in its header and
// compared at all 122 energies. The limits are the levels reached (slightly above the worst
// measured values), so that the accuracy cannot slip back; the goals are noted beside them.

#include "support/AccuracySummary.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "core/physics/EnergyGrid.h"
#include "core/physics/StoppingTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace alphastop::testing {
namespace {

enum Group { Elements, Exceptions, Compounds };
constexpr const char* GroupNames[] = {"elements", "exceptions", "compounds"};

struct Compared {
  ReferenceTable reference;
  tables::StoppingTable computed;
  Group group;
};

// The largest |relative difference| reached in each band by elements, exceptions and
// compounds, a little above the worst measured values (0: not checked); the goal is in the name.
struct Band {
  const char* name;
  Quantity quantity;
  double low, high;  // MeV
  double levels[3];
};
constexpr Band Bands[] = {
    {"electronic from 4 MeV, goal 2 %", Quantity::Electronic, 4.0, 1e9, {0.080, 0.016, 0.029}},
    {"electronic below 4 MeV, goal 3 %", Quantity::Electronic, 0.0, 4.0, {0.060, 0.233, 0}},
    {"nuclear, goal 10 %", Quantity::Nuclear, 0.0, 1e9, {0.005, 0.005, 0.005}},
    {"CSDA range from 1 MeV, goal 3 %", Quantity::CsdaRange, 1.0, 1e9, {0.054, 0.052, 0.207}},
    {"CSDA range below 1 MeV, goal 15 %", Quantity::CsdaRange, 0.0, 1.0, {0.119, 0.306, 0.379}},
    {"projected range from 1 MeV, goal 5 %",
     Quantity::ProjectedRange,
     1.0,
     1e9,
     {0.055, 0.044, 0.192}},
    {"projected range below 1 MeV, goal 20 %",
     Quantity::ProjectedRange,
     0.0,
     1.0,
     {0.087, 0.075, 0.328}},
};

// Compounds and mixtures below 4 MeV: median of all differences (goal 5 %) and the share of
// materials within 15 % at every energy (goal 4 in 5).
constexpr double CompoundMedianBelow4MeV = 0.022;
constexpr double CompoundShareWithin15Percent = 0.853;

class ReferenceAccuracy : public ::testing::Test {
 protected:
  void SetUp() override {
    ALPHASTOP_REQUIRE_REFERENCE(dir);
    for (const auto& path : ReferenceFiles(dir)) {
      const auto reference = ReadReferenceTable(path);
      ASSERT_TRUE(reference.has_value()) << "unreadable reference table " << path;
      // The exceptions are the elements whose reference values below a few MeV do not follow the
      // Ziegler fit the model uses: gold (below 0.5 MeV, up to 23 % lower at 1 keV than both the
      // 1977 and the ICRU 49 gold coefficients) and silicon (5 % lower below 0.1 MeV, up to 10 %
      // higher near 0.5 MeV).
      const bool exception =
          reference->fileName == "Gold.as" || reference->fileName == "Silicon.as";
      all.push_back({*reference, tables::ComputeStoppingTable(MaterialOfReference(*reference)),
                     exception                   ? Exceptions
                     : path.extension() == ".as" ? Elements
                                                 : Compounds});
    }
    ASSERT_FALSE(all.empty()) << "no reference tables in " << dir;
  }
  std::vector<Compared> all;
};

TEST_F(ReferenceAccuracy, EnergyGridIsTheOneOfTheReferenceTables) {
  const auto grid = tables::StandardEnergyGrid();
  for (const Compared& c : all) {
    ASSERT_EQ(c.reference.rows.size(), grid.size()) << c.reference.fileName;
    for (std::size_t i = 0; i < grid.size(); ++i)
      EXPECT_NEAR(c.reference.rows[i][0], grid[i], 1e-9 * grid[i]) << c.reference.fileName;
  }
}

TEST_F(ReferenceAccuracy, EveryQuantityStaysWithinTheLevelReached) {
  for (const Band& band : Bands) {
    for (const Group group : {Elements, Exceptions, Compounds}) {
      if (band.levels[group] == 0) continue;
      BandSummary worst;
      std::string where;
      for (const Compared& c : all) {
        if (c.group != group) continue;
        const BandSummary s =
            Summarize(Differences(c.reference, c.computed, band.quantity), band.low, band.high);
        if (s.largest > worst.largest) std::tie(worst, where) = std::tie(s, c.reference.fileName);
      }
      const std::string name = std::string(GroupNames[group]) + ", " + band.name;
      std::printf("%-50s worst %6.2f %%  (%s at %g MeV)\n", name.c_str(), 100 * worst.largest,
                  where.c_str(), worst.atEnergy);
      EXPECT_LE(worst.largest, band.levels[group]) << name << ": " << where;
    }
  }
}

TEST_F(ReferenceAccuracy, ElectronicStoppingOfCompoundsBelowFourMeV) {
  std::vector<double> differences;
  int compounds = 0, within = 0;
  for (const Compared& c : all) {
    if (c.group != Compounds) continue;
    ++compounds;
    const auto rows = Differences(c.reference, c.computed, Quantity::Electronic);
    for (const RowDifference& r : rows)
      if (r.energy < 4.0 * (1 - 1e-9)) differences.push_back(std::abs(r.relative));
    within += Summarize(rows, 0.0, 4.0).largest <= 0.15;
  }
  ASSERT_GT(compounds, 0);
  std::printf("compounds below 4 MeV: median %.2f %%, %d of %d within 15 %%\n",
              100 * MedianOf(differences), within, compounds);
  EXPECT_LE(MedianOf(differences), CompoundMedianBelow4MeV);
  EXPECT_GE(double(within) / compounds, CompoundShareWithin15Percent)
      << within << " of " << compounds << " compounds within 15 %";
}

}  // namespace
}  // namespace alphastop::testing
