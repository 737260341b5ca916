// The shipped tables against every reference table beside the project, matched by file name,
// grouped by regime and by the data the model has for the material. The limits are what the
// published rows and corrections reproduce (a wrong row, mass or correction breaks them), not
// the levels reached; the accuracy report of bench/TableAccuracy.cpp gives the full picture.

#include "support/AccuracySummary.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "core/materials/MaterialList.h"
#include "core/physics/EnergyGrid.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableUncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace alphastop::testing {
namespace {

using tables::LowEnergyClass;

struct Compared {
  ReferenceTable reference;
  tables::Material material;
  tables::ElectronicStoppingModel model;
  tables::StoppingTable computed;

  double Largest(Quantity q, double low, double high) const {
    return Summarize(Differences(reference, computed, q), low, high * (1 + 1e-9)).largest;
  }
};

class ReferenceAccuracy : public ::testing::Test {
 protected:
  void SetUp() override {
    ALPHASTOP_REQUIRE_REFERENCE(dir);
    const std::vector<tables::Material> shipped = tables::ShippedMaterials();
    for (const auto& path : ReferenceFiles(dir)) {
      const auto reference = ReadReferenceTable(path);
      ASSERT_TRUE(reference.has_value()) << "unreadable reference table " << path;
      const auto same = std::find_if(shipped.begin(), shipped.end(), [&](const auto& m) {
        return m.fileName == reference->fileName;
      });
      if (same == shipped.end()) {
        ADD_FAILURE() << reference->fileName << " (" << reference->title << ") is not shipped";
        continue;
      }
      all.push_back({*reference, *same, tables::PrepareElectronicStopping(*same),
                     tables::ComputeStoppingTable(*same)});
    }
    ASSERT_FALSE(all.empty()) << "no reference tables in " << dir;
  }
  std::vector<Compared> all;
};

TEST_F(ReferenceAccuracy, EveryReferenceMaterialIsShippedWithTheFactsOfItsHeader) {
  const auto grid = tables::StandardEnergyGrid();
  for (const Compared& c : all) {
    SCOPED_TRACE(c.reference.fileName);
    ASSERT_EQ(c.reference.rows.size(), grid.size());
    for (std::size_t i = 0; i < grid.size(); ++i)
      EXPECT_NEAR(c.reference.rows[i][0], grid[i], 1e-9 * grid[i]);
    const tables::Material fromHeader = MaterialOfReference(c.reference);
    EXPECT_NEAR(c.material.density / fromHeader.density, 1.0, 1e-3);
    EXPECT_NEAR(c.material.meanExcitationEnergy, fromHeader.meanExcitationEnergy, 0.05);
    EXPECT_EQ(c.material.phase, fromHeader.phase);
    ASSERT_EQ(c.material.composition.size(), fromHeader.composition.size());
    for (const auto& part : fromHeader.composition) {
      const auto same = std::find_if(c.material.composition.begin(), c.material.composition.end(),
                                     [&](const auto& p) { return p.z == part.z; });
      ASSERT_NE(same, c.material.composition.end()) << "Z = " << part.z;
      EXPECT_NEAR(same->weight, part.weight, 1e-3) << "Z = " << part.z;
    }
  }
}

// The compounds of the reference tables that ICRU 49 gives as Bragg sums of its element rows;
// the others of that class come from data of its own that was never published as fits.
const char* const PlainBraggSums[] = {
    "Acetylene.asc",
    "Air_dry_near_sea_level.asc",
    "C-552_air_equivalent_plastic.asc",
    "M3_wax.asc",
    "Ms20_tissue_substitute.asc",
    "Nylon_type_6_and_type_6_6.asc",
    "Paraffin_wax.asc",
    "Plastic_scintillator_vinyltoluene_based.asc",
    "Polyethylene_terephthalate_mylar.asc",
    "Polypropylene.asc",
    "Polytetrafluoroethylene_teflon.asc",
    "Polyvinyl_chloride.asc",
    "Stilbene.asc",
};

TEST_F(ReferenceAccuracy, TheFitsAndTheirRangesReproduceThePublishedTablesBelowOneMeV) {
  // From 1 keV to 0.9 MeV, below every join of the reference tables. Sodium iodide's table lies
  // 0.33 % above its row with the formula mass, as the data file says. The aqueous materials
  // stay within 6 %, their Bragg sums of gas-phase rows 10 to 20 % above. Where the stopping
  // agrees, so does the CSDA range from the first row on, its path counted from 10 eV.
  const auto limitOf = [](const Compared& c) -> double {
    if (c.reference.fileName == "Sodium_iodide.asc") return 0.004;
    switch (tables::LowEnergyClassOf(c.model)) {
      case LowEnergyClass::ElementRow:
      case LowEnergyClass::MoleculeRow:
        return 0.001;
      case LowEnergyClass::BraggSum:
        return std::any_of(std::begin(PlainBraggSums), std::end(PlainBraggSums),
                           [&](const char* name) { return c.reference.fileName == name; })
                   ? 0.0015
                   : 0.0;
      case LowEnergyClass::Aqueous:
        return 0.06;
      case LowEnergyClass::RowOff:
        return 0.0;
    }
    return 0.0;
  };
  int checked = 0;
  for (const Compared& c : all) {
    if (limitOf(c) == 0.0) continue;
    ++checked;
    EXPECT_LE(c.Largest(Quantity::Electronic, 1e-3, 0.9), limitOf(c)) << c.reference.fileName;
    if (limitOf(c) < 0.005) {
      EXPECT_LE(c.Largest(Quantity::CsdaRange, 1e-3, 0.9), 0.005) << c.reference.fileName;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST_F(ReferenceAccuracy, BetheTheoryReproducesThePublishedTablesFromEightMeV) {
  // ICRU 49's own shell corrections: within 0.4 %, but for silver, whose published Barkas form
  // leaves it about 3 % off near 4 MeV and 1.3 % at 8 MeV; estimated ones within 1 %.
  for (const Compared& c : all) {
    const bool tabulated = std::all_of(c.model.elements.begin(), c.model.elements.end(),
                                       [](const auto& e) { return e.shell.block; });
    const double limit = c.reference.fileName == "Silver.as" ? 0.015 : (tabulated ? 0.004 : 0.01);
    EXPECT_LE(c.Largest(Quantity::Electronic, 8.0, 1e3), limit) << c.reference.fileName;
  }
}

TEST_F(ReferenceAccuracy, TheStatedUncertaintiesHoldForTwoInThreeMaterialsOfEachClass) {
  // What each generated table states on line 6, regime by regime, is the level two in three of
  // the compared materials of its class stay within (TableUncertainty.h).
  struct Tally {
    int members = 0, within = 0;
  };
  std::map<std::string, Tally> tallies;
  for (const Compared& c : all) {
    const TableUncertainty stated = tables::UncertaintyOf(c.model);
    for (const auto& [quantity, steps] : {std::pair(Quantity::Electronic, stated.electronic),
                                          std::pair(Quantity::CsdaRange, stated.csdaRange)}) {
      double low = 1e-3;
      for (std::size_t i = 0; i < steps.size(); ++i) {
        const double high = steps[i].upToMeV.value_or(1e3);
        Tally& tally = tallies[std::to_string(int(tables::LowEnergyClassOf(c.model))) + " " +
                               QuantityName(quantity) + " step " + std::to_string(i)];
        ++tally.members;
        tally.within += c.Largest(quantity, low, high) <= steps[i].percent / 100;
        low = high * (1 + 1e-6);
      }
    }
  }
  for (const auto& [what, tally] : tallies)
    EXPECT_GE(3 * tally.within, 2 * tally.members)
        << "class " << what << ": " << tally.within << " of " << tally.members;
}

}  // namespace
}  // namespace alphastop::testing
