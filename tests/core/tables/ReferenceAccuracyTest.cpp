// The generated tables against every reference table beside the project: each reference
// material is generated from the density, I-value and composition printed in its header and
// compared at all 122 energies. The limits are the levels reached (slightly above the worst
// measured values), so that the accuracy cannot slip back; the goals are noted beside them.

#include "support/AccuracySummary.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "core/tables/EnergyGrid.h"
#include "core/tables/StoppingTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace alphastop::testing {
namespace {

struct Compared {
  ReferenceTable reference;
  tables::StoppingTable computed;
  bool isElement;
};

std::vector<Compared> CompareAll(const std::filesystem::path& dir) {
  std::vector<Compared> all;
  for (const auto& path : ReferenceFiles(dir)) {
    const auto reference = ReadReferenceTable(path);
    EXPECT_TRUE(reference.has_value()) << "unreadable reference table " << path;
    if (!reference) continue;
    all.push_back({*reference, tables::ComputeStoppingTable(MaterialOfReference(*reference)),
                   path.extension() == ".as"});
  }
  return all;
}

enum class Group { Elements, Exceptions, Compounds };

// The exceptions are the elements whose reference values below a few MeV do not follow the
// Ziegler fit the model uses: gold (below 0.5 MeV, up to 23 % lower at 1 keV than both the 1977
// and the ICRU 49 gold coefficients) and silicon (5 % lower below 0.1 MeV, up to 10 % higher
// near 0.5 MeV).
Group GroupOf(const Compared& c) {
  if (c.reference.fileName == "Gold.as" || c.reference.fileName == "Silicon.as") return Group::Exceptions;
  return c.isElement ? Group::Elements : Group::Compounds;
}

struct Check {
  const char* name;
  Quantity quantity;
  Group group;
  double low;    // MeV
  double high;   // MeV
  double level;  // largest |relative difference| reached; the goal is in the name
};

// Levels reached (relative), a little above the worst measured values.
constexpr Check Checks[] = {
    {"ElectronicFrom4MeV_Elements_goal2pc", Quantity::Electronic, Group::Elements, 4.0, 1e9, 0.080},
    {"ElectronicFrom4MeV_Exceptions_goal2pc", Quantity::Electronic, Group::Exceptions, 4.0, 1e9, 0.016},
    {"ElectronicFrom4MeV_Compounds_goal2pc", Quantity::Electronic, Group::Compounds, 4.0, 1e9, 0.029},
    {"ElectronicBelow4MeV_Elements_goal3pc", Quantity::Electronic, Group::Elements, 0.0, 4.0, 0.060},
    {"ElectronicBelow4MeV_Exceptions", Quantity::Electronic, Group::Exceptions, 0.0, 4.0, 0.233},
    {"Nuclear_Elements_goal10pc", Quantity::Nuclear, Group::Elements, 0.0, 1e9, 0.005},
    {"Nuclear_Exceptions_goal10pc", Quantity::Nuclear, Group::Exceptions, 0.0, 1e9, 0.005},
    {"Nuclear_Compounds_goal10pc", Quantity::Nuclear, Group::Compounds, 0.0, 1e9, 0.005},
    {"CsdaFrom1MeV_Elements_goal3pc", Quantity::CsdaRange, Group::Elements, 1.0, 1e9, 0.054},
    {"CsdaFrom1MeV_Exceptions_goal3pc", Quantity::CsdaRange, Group::Exceptions, 1.0, 1e9, 0.052},
    {"CsdaFrom1MeV_Compounds_goal3pc", Quantity::CsdaRange, Group::Compounds, 1.0, 1e9, 0.207},
    {"CsdaBelow1MeV_Elements_goal15pc", Quantity::CsdaRange, Group::Elements, 0.0, 1.0, 0.119},
    {"CsdaBelow1MeV_Exceptions_goal15pc", Quantity::CsdaRange, Group::Exceptions, 0.0, 1.0, 0.306},
    {"CsdaBelow1MeV_Compounds_goal15pc", Quantity::CsdaRange, Group::Compounds, 0.0, 1.0, 0.379},
    {"ProjectedFrom1MeV_Elements_goal5pc", Quantity::ProjectedRange, Group::Elements, 1.0, 1e9, 0.055},
    {"ProjectedFrom1MeV_Exceptions_goal5pc", Quantity::ProjectedRange, Group::Exceptions, 1.0, 1e9, 0.044},
    {"ProjectedFrom1MeV_Compounds_goal5pc", Quantity::ProjectedRange, Group::Compounds, 1.0, 1e9, 0.192},
    {"ProjectedBelow1MeV_Elements_goal20pc", Quantity::ProjectedRange, Group::Elements, 0.0, 1.0, 0.087},
    {"ProjectedBelow1MeV_Exceptions_goal20pc", Quantity::ProjectedRange, Group::Exceptions, 0.0, 1.0, 0.075},
    {"ProjectedBelow1MeV_Compounds_goal20pc", Quantity::ProjectedRange, Group::Compounds, 0.0, 1.0, 0.328},
};

// Compounds and mixtures below 4 MeV: median of all differences (goal 5 %) and the share of
// materials within 15 % at every energy (goal 4 in 5).
constexpr double CompoundMedianBelow4MeV = 0.022;
constexpr double CompoundShareWithin15Percent = 0.853;

// The largest |relative difference| of the check's quantity in its band and group, and where.
std::pair<double, std::string> WorstOf(const std::vector<Compared>& all, const Check& check) {
  std::pair<double, std::string> worst{0.0, ""};
  for (const Compared& c : all) {
    if (GroupOf(c) != check.group) continue;
    const BandSummary s = Summarize(Differences(c.reference, c.computed, check.quantity), check.low, check.high);
    if (s.count > 0 && s.largest > worst.first)
      worst = {s.largest, c.reference.fileName + " at " + std::to_string(s.atEnergy) + " MeV"};
  }
  return worst;
}

class ReferenceAccuracy : public ::testing::Test {
 protected:
  void SetUp() override {
    ALPHASTOP_REQUIRE_REFERENCE(dir);
    all = CompareAll(dir);
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
  for (const Check& check : Checks) {
    const auto [worst, where] = WorstOf(all, check);
    std::printf("%-42s worst %6.2f %%  (%s)\n", check.name, 100 * worst, where.c_str());
    EXPECT_LE(worst, check.level) << check.name << ": " << where;
  }
}

TEST_F(ReferenceAccuracy, ElectronicStoppingOfCompoundsBelowFourMeV) {
  std::vector<double> differences;
  int compounds = 0;
  int within = 0;
  for (const Compared& c : all) {
    if (c.isElement) continue;
    ++compounds;
    double largest = 0.0;
    for (const RowDifference& r : Differences(c.reference, c.computed, Quantity::Electronic)) {
      if (r.energy >= 4.0 * (1 - 1e-9)) continue;
      differences.push_back(std::abs(r.relative));
      largest = std::max(largest, std::abs(r.relative));
    }
    if (largest <= 0.15) ++within;
  }
  ASSERT_GT(compounds, 0);
  std::printf("compounds below 4 MeV: median %.2f %%, %d of %d within 15 %%\n",
              100 * MedianOf(differences), within, compounds);
  EXPECT_LE(MedianOf(differences), CompoundMedianBelow4MeV);
  EXPECT_GE(static_cast<double>(within) / compounds, CompoundShareWithin15Percent)
      << within << " of " << compounds << " compounds within 15 %";
}

}  // namespace
}  // namespace alphastop::testing
