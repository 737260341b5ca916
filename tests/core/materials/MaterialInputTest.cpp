// Materials as users type them: the fields checked into a material, its file name, the
// default mean excitation energy, the one-line form of alphastop-calc, and the table
// computed in memory against the file written of it.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <optional>
#include <tuple>

#include "core/data/MaterialFile.h"
#include "core/physics/ComputedTable.h"
#include "core/materials/Elements.h"
#include "core/materials/InlineMaterial.h"
#include "core/materials/MaterialInput.h"
#include "core/materials/MaterialList.h"
#include "core/materials/MeanExcitation.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableWriter.h"
#include "support/CheckedValue.h"
#include "support/TableFiles.h"

namespace alphastop::tables {
namespace {

constexpr double H = 1.00794, O = 15.9994;  // g/mol

MaterialInput Typed(std::string name, std::string composition, std::string density,
                    std::string ivalue = "", std::optional<CompositionForm> form = std::nullopt) {
  return {std::move(name),   std::move(composition), std::move(density),
          std::move(ivalue), Phase::Condensed,       form};
}

struct InputCase {
  MaterialInput input;
  std::optional<MaterialField> faulty;     // nullopt: accepted
  std::string message;                     // refused: a piece of the fault's message
  std::vector<ElementFraction> weights{};  // accepted: the fractions by weight
  double density = 0, ivalue = 0;          // accepted; ivalue 0 for the default
};

TEST(MaterialInput, AcceptsTheThreeFormsOfCompositionAndNamesTheFieldOfEveryFault) {
  const std::vector<ElementFraction> water = {{1, 2 * H / (2 * H + O)}, {8, O / (2 * H + O)}};
  const auto F = [](MaterialField f) { return std::optional<MaterialField>(f); };
  const auto Name = F(MaterialField::Name), Comp = F(MaterialField::Composition),
             Dens = F(MaterialField::Density), Ival = F(MaterialField::MeanExcitationEnergy);
  const InputCase cases[] = {
      {Typed(" Water ", " H2O ", " 1 ", " 75 "), {}, "", water, 1, 75},
      {Typed("Water", "H:2, O:1", "1"), {}, "", water, 1, 0},
      {Typed("Water", "H:2 O:1", "1", "", CompositionForm::Atoms), {}, "", water, 1, 0},
      {Typed("Water", "1:0.1115,8:0.8880", "1.5e-1"),
       {},
       "",
       {{1, 0.1115 / 0.9995}, {8, 0.888 / 0.9995}},
       0.15,
       0},
      {Typed("", "H2O", "1"), Name, "the name is empty"},
      {Typed("(!)", "H2O", "1"), Name, "no letter or digit"},
      {Typed("W", " ", "1"), Comp, "the composition is empty"},
      {Typed("W", "H2Xx", "1"), Comp, "unknown element symbol \"Xx\""},
      {Typed("W", "Ca(OH2", "1"), Comp, "missing ')'"},
      {Typed("W", "H:2,Xx:1", "1"), Comp, "atoms \"H:2,Xx:1\": unknown element symbol \"Xx\""},
      {Typed("W", "1:0.5,120:0.5", "1"), Comp, "atomic number 120 lies outside 1 to 92"},
      {Typed("W", "1.5:1", "1"), Comp, "\"1.5\" is not an atomic number"},
      {Typed("W", "1:0.5,1:0.5", "1"), Comp, "H (Z = 1) is given twice"},
      {Typed("W", "O:1,H:2,O:1", "1"), Comp, "O (Z = 8) is given twice"},
      {Typed("W", "1:0.2,8:0.7", "1"), Comp, "fractions by weight sum to 0.9, not 1"},
      {Typed("W", "1:abc,8:1", "1"), Comp,
       "the fraction \"abc\" of \"1\" is not a number above zero"},
      {Typed("W", "H:-2,O:1", "1"), Comp, "the count \"-2\" of \"H\" is not a number above zero"},
      {Typed("W", "1:0.5,8", "1"), Comp, "\"8\" is not Z:fraction"},
      {Typed("W", "H:0.11,O:0.89", "1", "", CompositionForm::Weights), Comp,
       "atoms by element symbol"},
      {Typed("W", "H2O", ""), Dens, "give the density in g/cm3"},
      {Typed("W", "H2O", "1,5"), Dens, "density \"1,5\": not a number"},
      {Typed("W", "H2O", "0"), Dens, "must be above 0 and at most 30 g/cm3"},
      {Typed("W", "H2O", "1", "9.9"), Ival,
       "mean excitation energy \"9.9\": must lie between 10 and 2000 eV"},
      {Typed("W", "H2O", "1", "75 eV"), Ival, "not a number"},
  };
  for (const InputCase& c : cases) {
    const std::string label = c.input.name + " | " + c.input.composition + " | " + c.input.density;
    const CheckedMaterial checked = ParseMaterialInput(c.input);
    EXPECT_EQ(checked.defaultMeanExcitationEnergy.has_value(), c.faulty != Comp) << label;
    if (c.faulty) {
      ASSERT_EQ(checked.faults.size(), 1u) << label;
      EXPECT_FALSE(checked.material) << label;
      EXPECT_EQ(checked.faults[0].field, *c.faulty) << label;
      EXPECT_NE(checked.faults[0].message.find(c.message), std::string::npos)
          << checked.faults[0].message;
      continue;
    }
    ASSERT_TRUE(checked.material) << label << ": " << checked.faults.at(0).message;
    const Material& m = *checked.material;
    EXPECT_EQ(m.name, "Water");
    EXPECT_EQ(m.fileName, "Water.asc");
    EXPECT_EQ(m.density, c.density) << label;
    EXPECT_EQ(m.meanExcitationEnergy, c.ivalue ? c.ivalue : *checked.defaultMeanExcitationEnergy)
        << label;
    ASSERT_EQ(m.composition.size(), c.weights.size()) << label;
    for (std::size_t k = 0; k < c.weights.size(); ++k) {
      EXPECT_EQ(m.composition[k].z, c.weights[k].z) << label;
      EXPECT_NEAR(m.composition[k].weight, c.weights[k].weight, 1e-12) << label;
    }
  }
  const CheckedMaterial all = ParseMaterialInput(Typed("", "Qq", "-1", "1"));
  ASSERT_EQ(all.faults.size(), 4u);
  for (int f = 0; f < 4; ++f) EXPECT_EQ(all.faults[f].field, static_cast<MaterialField>(f));
}

TEST(MaterialInput, FileNamesKeepLettersDigitsAndDashesAndJoinTheRestWithOneUnderscore) {
  const std::pair<const char*, const char*> cases[] = {
      {"Polyethylene naphthalate", "Polyethylene_naphthalate.asc"},
      {"Polycarbonate (Makrolon, Lexan)", "Polycarbonate_Makrolon_Lexan.asc"},
      {"A-150 tissue__plastic", "A-150_tissue_plastic.asc"},
      {"Wasser, fl\u00fcssig", "Wasser_fl_ssig.asc"},
      {" ,;! ", nullptr}};
  for (const auto& [name, file] : cases) {
    const Checked<std::string> made = MaterialFileName(name);
    if (file)
      EXPECT_EQ(std::get<std::string>(made), file);
    else
      EXPECT_TRUE(std::holds_alternative<Refusal>(made)) << name;
  }
}

double LogMean(const std::vector<std::pair<double, double>>& electronsAndI) {
  double electrons = 0, sum = 0;
  for (const auto& [n, ivalue] : electronsAndI) electrons += n, sum += n * std::log(ivalue);
  return std::exp(sum / electrons);
}

TEST(DefaultMeanExcitation, IsTheElementsOwnAloneAndTheLogMeanByElectronsOfBoundAtomsInCompounds) {
  EXPECT_EQ(DefaultMeanExcitationEnergy({{79, 1.0}}, Phase::Condensed), 790.0);
  EXPECT_EQ(DefaultMeanExcitationEnergy({{6, 1.0}}, Phase::Condensed),
            78.0);  // graphite, not amorphous
  const double al = 26.981538;
  EXPECT_NEAR(DefaultMeanExcitationEnergy({{1, 0.5}, {8, 0.5}}, Phase::Condensed),
              LogMean({{0.5 / H, 19.2}, {0.5 * 8 / O, 106.0}}), 1e-9);
  EXPECT_NEAR(DefaultMeanExcitationEnergy({{8, 0.4}, {13, 0.6}}, Phase::Condensed),
              LogMean({{0.4 * 8 / O, 106.0}, {0.6 * 13 / al, 1.13 * 166.0}}), 1e-9);
  EXPECT_NEAR(DefaultMeanExcitationEnergy({{1, 0.5}, {8, 0.5}}, Phase::Gas),
              LogMean({{0.5 / H, 19.2}, {0.5 * 8 / O, 95.0}}), 1e-9);

  // The I-values ICRU gave the shipped compounds, measured or worked out, against the rule:
  // most agree within 1 %; gaseous hydrocarbons, measured, differ most (acetylene +9.7 %).
  for (const Material& m : ShippedMaterials()) {
    if (m.composition.size() < 2) continue;
    const double ivalue = DefaultMeanExcitationEnergy(m.composition, m.phase);
    const double difference = ivalue / m.meanExcitationEnergy - 1;
    if (std::abs(difference) > 0.01)
      std::cout << m.fileName << ": " << ivalue << " eV by the rule, " << m.meanExcitationEnergy
                << " eV given\n";
    EXPECT_LT(std::abs(difference), 0.12) << m.fileName;
  }
}

TEST(InlineMaterial, ReadsKeysWithCommasInsideValuesAndRefusesUnknownOrRepeatedKeys) {
  EXPECT_TRUE(IsInlineMaterial(" formula=H2O,density=1"));
  for (const char* other :
       {"Water_liquid", "density=1,formula=H2O", "asc/formula.asc", "Formula=H2O"})
    EXPECT_FALSE(IsInlineMaterial(other)) << other;
  const auto mylar = std::get<MaterialInput>(
      ParseInlineMaterial("formula=C10H8O4, density=1.4,ivalue=78.7,name=Mylar"));
  EXPECT_EQ(std::tie(mylar.name, mylar.composition, mylar.density, mylar.meanExcitationEnergy),
            std::make_tuple("Mylar", "C10H8O4", "1.4", "78.7"));
  EXPECT_EQ(mylar.form, CompositionForm::Formula);
  const auto vapour =
      std::get<MaterialInput>(ParseInlineMaterial("weights=1:0.111894, 8:0.888106,gas,density=1"));
  EXPECT_EQ(std::tie(vapour.name, vapour.composition, vapour.phase),
            std::make_tuple("1:0.111894, 8:0.888106", "1:0.111894, 8:0.888106", Phase::Gas));
  const auto water =
      std::get<MaterialInput>(ParseInlineMaterial("atoms=H:2,O:1,name=Water, liquid,density=1"));
  EXPECT_EQ(water.name, "Water, liquid");
  const std::pair<const char*, const char*> refused[] = {
      {"formula=H2O,colour=red", "unknown key \"colour\""},
      {"formula=H2O,atoms=H:2", "one composition"},
      {"formula=H2O,density=1,density=2", "density= is given twice"},
      {"formula=H2O,gas,1", "\"1\" follows no key"}};
  for (const auto& [text, message] : refused) {
    const auto input = ParseInlineMaterial(text);
    ASSERT_TRUE(std::holds_alternative<Refusal>(input)) << text;
    EXPECT_NE(std::get<Refusal>(input).message.find(message), std::string::npos)
        << std::get<Refusal>(input).message;
  }
}

TEST(TableOfMaterial, HoldsExactlyWhatReadingTheWrittenFileGives) {
  const testing::TempFolder folder;
  MaterialInput sodiumIodide = Typed("NaI", "Na:1,I:1", "1.234567e-3");
  sodiumIodide.phase = Phase::Gas;
  for (const MaterialInput& typed : {Typed("Mylar", "C10H8O4", "1.4"), sodiumIodide}) {
    const Material material = *ParseMaterialInput(typed).material;
    const std::string text = typed.name;
    const auto path = folder.Path() / "asc" / material.fileName;
    WriteStoppingTable(path, material, ComputeStoppingTable(material));
    const MaterialTable read = testing::Value(ReadMaterialTable(path.string()));
    const MaterialTable inMemory = TableOfMaterial(material);
    EXPECT_EQ(testing::TableDifference(inMemory, read), "") << text;
    EXPECT_EQ(inMemory.density, read.density) << text;
  }
}

}  // namespace
}  // namespace alphastop::tables
