// Materials as data: the materials file, chemical formulas, checks of a material.

#include "core/tables/ChemicalFormula.h"
#include "core/tables/Elements.h"
#include "core/tables/MaterialList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <stdexcept>

namespace alphastop::tables {
namespace {

double WeightOf(const std::vector<ElementFraction>& composition, int z) {
  for (const auto& part : composition) {
    if (part.z == z) return part.weight;
  }
  return 0.0;
}

TEST(ChemicalFormula, GivesFractionsByWeightOfGroupsRepeatsAndDecimalCounts) {
  const auto water = CompositionOfFormula("H2O");
  ASSERT_EQ(water.size(), 2u);
  EXPECT_NEAR(WeightOf(water, 1), 0.111894, 1e-5);  // ICRU 37 used older atomic weights
  EXPECT_NEAR(WeightOf(water, 8), 0.888106, 1e-5);
  const auto hydroxide = CompositionOfFormula("Ca(OH)2");
  const double mass = 40.078 + 2 * (15.9994 + 1.00794);
  EXPECT_NEAR(WeightOf(hydroxide, 20), 40.078 / mass, 1e-9);
  EXPECT_NEAR(WeightOf(hydroxide, 8), 2 * 15.9994 / mass, 1e-9);
  const auto acid = CompositionOfFormula("CH3COOH");
  EXPECT_EQ(acid.size(), 3u);
  EXPECT_NEAR(WeightOf(acid, 6), 2 * 12.0107 / (2 * 12.0107 + 4 * 1.00794 + 2 * 15.9994), 1e-9);
  EXPECT_NEAR(WeightOf(CompositionOfFormula("C0.5H2"), 6), 6.00535 / (6.00535 + 2.01588), 1e-9);
  for (const char* broken : {"H2Xx", "h2o", "Ca(OH2", "", "H0O"})
    EXPECT_THROW(CompositionOfFormula(broken), std::invalid_argument) << broken;
}

TEST(MaterialCheck, RenormalisesSmallDeviationsAndRejectsValuesOutOfRange) {
  Material close{"m", "m.asc", Phase::Condensed, 1.0, 75.0, {{1, 0.1115}, {8, 0.8880}}};
  EXPECT_FALSE(ValidateMaterial(close).has_value());
  EXPECT_NEAR(close.composition[0].weight + close.composition[1].weight, 1.0, 1e-12);
  const Material good{"m", "m.asc", Phase::Condensed, 1.0, 75.0, {{1, 0.111894}, {8, 0.888106}}};
  const std::function<void(Material&)> faults[] = {
      [](Material& m) { m.composition[1].weight = 0.87; },  // fractions add up to 0.98
      [](Material& m) { m.density = 0.0; }, [](Material& m) { m.density = -1.0; },
      [](Material& m) { m.density = 100.0; }, [](Material& m) { m.meanExcitationEnergy = 0.0; },
      [](Material& m) { m.meanExcitationEnergy = 1e5; }, [](Material& m) { m.composition[0].z = 93; },
      [](Material& m) { m.composition[0].z = 8; } /* twice */, [](Material& m) { m.composition.clear(); }};
  for (std::size_t i = 0; i < std::size(faults); ++i) {
    Material m = good;
    faults[i](m);
    EXPECT_TRUE(ValidateMaterial(m).has_value()) << "fault " << i;
  }
  Material unchanged = good;
  EXPECT_FALSE(ValidateMaterial(unchanged).has_value());
}

TEST(MaterialsFile, ParsesFieldsAndNamesTheFaultyLine) {
  const auto list = ParseMaterialList(
      "# comment\n\nWater vapor | Water_vapor.asc | gas | 7.56182e-04 | 71.6 | 1:0.111894 8:0.888106\n");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].name, "Water vapor");
  EXPECT_EQ(list[0].fileName, "Water_vapor.asc");
  EXPECT_EQ(list[0].phase, Phase::Gas);
  EXPECT_DOUBLE_EQ(list[0].density, 7.56182e-4);
  EXPECT_DOUBLE_EQ(list[0].meanExcitationEnergy, 71.6);
  EXPECT_EQ(list[0].composition.size(), 2u);
  try {
    ParseMaterialList("# one\nGold | Gold.as | solid | 19.32 | 790 | 79:1\n");
    FAIL() << "a bad phase was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ParseMaterialList("Gold | Gold.as | condensed | x | 790 | 79:1\n"), std::invalid_argument);
  EXPECT_THROW(ParseMaterialList("Gold | Gold.as | condensed | 19.32 | 790 | 79=1\n"), std::invalid_argument);
  EXPECT_THROW(ParseMaterialList("Gold | Gold.as | condensed | 19.32 | 790\n"), std::invalid_argument);
}

TEST(ShippedMaterials, CoverTheElementsAndAtLeastFortyCompounds) {
  const auto materials = ShippedMaterials();
  std::set<int> elements;
  std::set<std::string> files;
  int compounds = 0;
  for (const Material& m : materials) {
    EXPECT_TRUE(files.insert(m.fileName).second) << "file written twice: " << m.fileName;
    const bool element = m.fileName.ends_with(".as");
    EXPECT_TRUE(element || m.fileName.ends_with(".asc")) << m.fileName;
    if (element) {
      ASSERT_EQ(m.composition.size(), 1u) << m.name;
      elements.insert(m.composition[0].z);
    } else {
      ++compounds;
    }
    EXPECT_EQ(m.phase == Phase::Gas, m.density < 0.01) << m.name;
  }
  EXPECT_EQ(elements.size(), static_cast<std::size_t>(MaxAtomicNumber));
  EXPECT_GE(compounds, 40);
  for (const char* file : {"Water_liquid.asc", "Water_vapor.asc", "Air_dry_near_sea_level.asc",
                           "Gold.as", "Carbon_graphite.as", "Polystyrene.asc"}) {
    EXPECT_TRUE(files.count(file)) << file;
  }
}

}  // namespace
}  // namespace alphastop::tables
