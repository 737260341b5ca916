// The table generator: physics (Bethe theory against known values, the low-energy fit, the
// universal nuclear stopping, ranges), the computed table and the file written from it, and
// materials as data. Every reference table is compared with its generated table in
// ReferenceAccuracyTest, which also answers for shell corrections, Bragg additivity, the
// atoms' electrons, the join of the fit to Bethe and the nuclear stopping of each material.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "core/data/MaterialFile.h"
#include "core/physics/BetheCorrections.h"
#include "core/materials/ChemicalFormula.h"
#include "core/physics/ElectronicStopping.h"
#include "core/materials/Elements.h"
#include "core/physics/EnergyGrid.h"
#include "core/physics/HeliumFits.h"
#include "core/materials/MaterialList.h"
#include "core/physics/NuclearStopping.h"
#include "core/physics/RangeIntegration.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableUncertainty.h"
#include "core/physics/TableWriter.h"
#include "core/physics/UniversalScattering.h"
#include "support/TableFiles.h"

namespace alphastop::tables {
namespace {

Material MaterialOf(const char* name, Phase phase, double density, double ivalue,
                    std::vector<ElementFraction> composition) {
  Material m;
  m.name = name;
  m.fileName = std::string(name) + (composition.size() == 1 ? ".as" : ".asc");
  m.phase = phase;
  m.density = density;
  m.meanExcitationEnergy = ivalue;
  m.composition = std::move(composition);
  return m;
}

Material Water() {
  return MaterialOf("Water, liquid", Phase::Condensed, 1.0, 75.0, {{1, 0.111894}, {8, 0.888106}});
}

TEST(BetheTheory, AlphaInWaterAtHundredMeVPerNucleonIsFourTimesTheProtonValue) {
  // Protons of 100 MeV in water: 7.289 MeV cm2/g (ICRU Report 49). Helium ions of the same
  // velocity lose z^2 = 4 times as much, up to the small Barkas and Bloch differences.
  const double sameVelocity = 100.0 * HeliumMassU * AtomicMassUnitMeV / 938.272;
  EXPECT_NEAR(ElectronicStopping(Water(), sameVelocity), 4 * 7.289, 4 * 7.289 * 0.01);
  // eta^2 = gamma^2 - 1 with gamma = 1 + T / (M c^2); T = 400.6 MeV, M = 4.001506 u.
  const double gamma = 1.0 + 400.6 / (4.001506 * 931.49410);
  EXPECT_NEAR(HeliumKinematics(400.6).eta2, gamma * gamma - 1.0, 1e-12);
  EXPECT_NEAR(BetheLogTerm(HeliumKinematics(400.6), 75.0), 7.850, 0.002);
}

TEST(BetheTheory, BarkasAndBlochFadeAtHighEnergyAndTheDensityEffectAppearsOnlyThere) {
  const Kinematics fast = HeliumKinematics(1000.0), slow = HeliumKinematics(10.0);
  EXPECT_LT(std::abs(BarkasTerm(fast, 8)), std::abs(BarkasTerm(slow, 8)));
  EXPECT_GT(BarkasTerm(slow, 8), 0.0);
  EXPECT_LT(BlochTerm(slow, 2.0), 0.0);
  // Bloch: -1.202 y^2 for small y = z alpha / beta.
  const double y2 = 4.0 * FineStructure * FineStructure / fast.beta2;
  EXPECT_NEAR(BlochTerm(fast, 2.0), -1.2020569 * y2, 1e-3 * 1.2 * y2 + 1e-7);
  EXPECT_EQ(DensityEffect(HeliumKinematics(100.0), Water()), 0.0);
  // At beta gamma = 100 the asymptotic form applies: delta = 4.606 X - C with X = 2,
  // C = 2 ln(75 / 21.47) + 1 (ICRU 37 water: 3.502).
  EXPECT_NEAR(DensityEffect(Kinematics{1.0 - 1e-4, 1e4}, Water()), 4.606 * 2.0 - 3.502, 0.01);
}

TEST(PublishedData, ShellCorrectionsAndBarkasTermsAreThoseOfTheirTable) {
  // Each point of the file gives X with the L1 it was recovered with: BarkasTerm must give that
  // L1 (ICRU 49's b of each element, and silver's and the heavy elements' own forms) and
  // ShellCorrection that X, each to the 5 decimals of the file.
  int blocks = 0;
  for (int z = 1; z <= MaxAtomicNumber; ++z) {
    for (const bool amorphous : {false, true}) {
      const ShellCorrectionBlock* block = ShellCorrectionBlockOf(z, amorphous);
      if (!block || (amorphous && z != 6)) continue;
      ++blocks;
      for (const ShellCorrectionPoint& p : block->points) {
        const Kinematics k = HeliumKinematics(p.energy);
        ASSERT_NEAR(BarkasTerm(k, z), p.barkas, 6e-5) << block->material << " " << p.energy;
        ASSERT_NEAR(ShellCorrection(*block, k, p.energy), p.shell, 6e-5) << block->material;
      }
    }
  }
  EXPECT_EQ(blocks, 26);  // ICRU 49's 25 elements, carbon as graphite and amorphous
  // An element without a block takes an estimate between those of its neighbours' blocks.
  const Kinematics k = HeliumKinematics(8.0);
  const double fluorine = ShellCorrection(MakeElementShellCorrection(9, 115.0, false), k, 8.0);
  const double oxygen = ShellCorrection(*ShellCorrectionBlockOf(8, false), k, 8.0);
  const double neon = ShellCorrection(*ShellCorrectionBlockOf(10, false), k, 8.0);
  EXPECT_TRUE(std::min(oxygen, neon) - 0.05 < fluorine && fluorine < std::max(oxygen, neon) + 0.05);
}

TEST(LowEnergyFit, TakesTheMoleculeRowOfTheMaterialAndGoesWithTheVelocityBelowOneKeV) {
  const auto rowOf = [](const Material& m) -> std::string {
    const MoleculeFitRow* row = MoleculeRowOf(m);
    return row ? row->id : "";
  };
  Material vapour = Water(), ethylene = MaterialOf("Ethylene", Phase::Gas, 1.2e-3, 50.7,
                                                   std::get<0>(CompositionOfFormula("C2H4")));
  vapour.phase = Phase::Gas;
  Material polyethylene = ethylene, polypropylene = ethylene;
  polyethylene.phase = polypropylene.phase = Phase::Condensed;
  polypropylene.moleculeFit = "";  // as the shipped list says: ICRU 49 fitted polyethylene
  Material named = vapour;
  named.moleculeFit = "LiF";
  const std::pair<Material, std::string> cases[] = {{Water(), "water, liquid"},
                                                    {vapour, ""},
                                                    {ethylene, ""},
                                                    {polyethylene, "polyethylene (C2H4)n"},
                                                    {polypropylene, ""},
                                                    {named, "LiF"}};
  for (const auto& [material, id] : cases) EXPECT_EQ(rowOf(material), id) << material.name;
  named.moleculeFit = "no such molecule";
  EXPECT_THROW(MoleculeRowOf(named), std::invalid_argument);
  // Every row is the one of exactly one shipped material.
  std::multiset<std::string> assigned;
  for (const Material& m : ShippedMaterials()) assigned.insert(rowOf(m));
  for (const MoleculeFitRow& row : MoleculeFitRows())
    EXPECT_EQ(assigned.count(row.id), 1u) << row.id;
  // Per gram, a molecule row goes with its own mass: liquid water is 18.0153 g/mol.
  const HeliumFitRow& water = MoleculeRowOf(Water())->fit;
  EXPECT_NEAR(FitMassStopping(water, 0.5), FitStopping(water, 0.5) * 602.214076 / 18.0153, 1e-9);
  // A dilute salt solution stops as liquid water, not as the gases of its hydrogen and oxygen.
  Material brine = Water();
  brine.composition = {{1, 0.99 * 0.111898}, {8, 0.99 * 0.888102}, {11, 0.00393}, {17, 0.00607}};
  for (double e : {0.01, 0.3})
    EXPECT_NEAR(LowEnergyElectronicStopping(PrepareElectronicStopping(brine), e) /
                    FitMassStopping(water, e),
                1.0, 0.01);

  for (const Material& m :
       {Water(), vapour, MaterialOf("Gold", Phase::Condensed, 19.32, 790.0, {{79, 1.0}})}) {
    const ElectronicStoppingModel model = PrepareElectronicStopping(m);
    const double atOneKeV = LowEnergyElectronicStopping(model, 1e-3);
    for (double e : {1e-5, 2.5e-4, 5e-4})
      EXPECT_NEAR(LowEnergyElectronicStopping(model, e), atOneKeV * std::sqrt(e / 1e-3),
                  1e-12 * atOneKeV)
          << m.name;
  }
}

TEST(ElectronicStopping, JoinsTheFitsToBetheWithContinuousValuesAndSlopes) {
  const Material materials[] = {
      Water(), MaterialOf("Gold", Phase::Condensed, 19.32, 790.0, {{79, 1.0}}),
      MaterialOf("Xenon", Phase::Gas, 5.485e-3, 482.0, {{54, 1.0}}),
      MaterialOf("Teflon", Phase::Condensed, 2.2, 99.1, std::get<0>(CompositionOfFormula("C2F4")))};
  for (const Material& material : materials) {
    const ElectronicStoppingModel model = PrepareElectronicStopping(material);
    const auto logS = [&](double e) { return std::log(ElectronicStopping(model, e)); };
    for (const double joint : {JoinStartMeV, JoinEndMeV}) {
      constexpr double h = 1e-4;
      const double below = logS(joint * (1 - 1e-9)), above = logS(joint * (1 + 1e-9));
      EXPECT_NEAR(below, above, 1e-6) << material.name << " at " << joint;
      const double slopeBelow = (below - logS(joint * (1 - h))) / -std::log1p(-h);
      const double slopeAbove = (logS(joint * (1 + h)) - above) / std::log1p(h);
      EXPECT_NEAR(slopeBelow, slopeAbove, 2e-3) << material.name << " at " << joint;
    }
  }
}

TEST(NuclearStopping,
     UniversalFunctionIsTheScatteringIntegralContinuousAndPeaksAtLowReducedEnergy) {
  for (double eps : {2e-4, 0.03, 0.5, 7.0, 300.0, 5e4})
    EXPECT_NEAR(ReducedNuclearStopping(eps) / IntegrateReducedNuclearStopping(eps), 1.0, 2e-3)
        << eps;
  // Within a few per cent of ZBL's fitting formula, which it refines (5 % near epsilon = 100).
  EXPECT_NEAR(ReducedNuclearStopping(1.0), 0.3143, 0.005);
  EXPECT_NEAR(ReducedNuclearStopping(100.0) / (std::log(100.0) / 200.0), 1.05, 0.01);
  EXPECT_NEAR(ReducedNuclearStopping(30.0 * (1 - 1e-9)) / ReducedNuclearStopping(30.0 * (1 + 1e-9)),
              1.0, 0.02);
  std::pair<double, double> peak{0, 0};  // s_n and where it peaks, in steps of 5 %
  for (double eps = 1e-3; eps < 100; eps *= 1.05)
    peak = std::max(peak, {ReducedNuclearStopping(eps), eps});
  EXPECT_TRUE(peak.second > 0.1 && peak.second < 0.6) << peak.second;
  EXPECT_NEAR(peak.first, 0.36, 0.04);
}

TEST(RangeIntegration, GivesTheAnalyticRanges) {
  const auto grid = StandardEnergyGrid();
  const std::vector<double> energies(grid.begin(), grid.end());
  const auto straight = [](double) { return 0.0; };
  // The path counts from 10 eV. Constant S: R = (E - E0) / S, and with no deflection the
  // projected range is the CSDA range; S = c sqrt(E): R = 2 (sqrt(E) - sqrt(E0)) / c.
  constexpr double E0 = 1e-5;
  const Ranges flat = IntegrateRanges([](double) { return 10.0; }, straight, energies);
  const Ranges rising =
      IntegrateRanges([](double e) { return 50.0 * std::sqrt(e); }, straight, energies);
  for (std::size_t i = 0; i < energies.size(); ++i) {
    EXPECT_NEAR(flat.csda[i], (energies[i] - E0) / 10.0, 1e-6 * energies[i]);
    EXPECT_NEAR(flat.projected[i], flat.csda[i], 1e-12 * flat.csda[i]);
    EXPECT_NEAR(rising.csda[i], 2 * (std::sqrt(energies[i]) - std::sqrt(E0)) / 50.0,
                1e-5 * rising.csda[i]);
  }
  // Constant S and transport cross-section k: R_p = (1 - exp(-k R)) / k, up to k R = 2.
  const std::vector<double> low(
      grid.begin(), std::find_if(grid.begin(), grid.end(), [](double e) { return e > 1.0; }));
  const double k = 20.0;
  const Ranges turning =
      IntegrateRanges([](double) { return 10.0; }, [k](double) { return k; }, low);
  for (std::size_t i = 0; i < low.size(); ++i)
    EXPECT_NEAR(turning.projected[i], (1 - std::exp(-k * turning.csda[i])) / k,
                1e-4 * turning.projected[i]);
}

TEST(StoppingTable, OfWaterAndGoldIsPositiveRepeatableAndItsRangesFollowTheStoppingPower) {
  for (const Material& material :
       {Water(), MaterialOf("Gold", Phase::Condensed, 19.32, 790.0, {{79, 1.0}})}) {
    SCOPED_TRACE(material.name);
    const StoppingTable table = ComputeStoppingTable(material),
                        again = ComputeStoppingTable(material);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const StoppingRow& b = table[i];
      EXPECT_TRUE(b.electronic > 0 && b.nuclear > 0 && b.detourFactor > 0 && b.detourFactor <= 1)
          << b.energy;
      EXPECT_TRUE(b.total == again[i].total && b.projectedRange == again[i].projectedRange)
          << b.energy;
      if (i == 0) continue;
      const StoppingRow& a = table[i - 1];
      EXPECT_TRUE(b.csdaRange > a.csdaRange && b.projectedRange > a.projectedRange) << b.energy;
      // dR/dE = 1/S: the range gained over a step against the step over the mean stopping,
      // within what the curvature of 1/S over one step allows.
      const double expected = (b.energy - a.energy) * 0.5 * (1 / a.total + 1 / b.total);
      EXPECT_NEAR((b.csdaRange - a.csdaRange) / expected, 1.0, 0.03) << b.energy;
    }
    EXPECT_TRUE(table.back().detourFactor > 0.99 && table.front().detourFactor < 0.7);
  }
}

TEST(TableWriter, WritesAFileTheCalculatorReadsBack) {
  const Material water = Water();
  const StoppingTable table = ComputeStoppingTable(water);
  const std::string text = FormatStoppingTable(water, table);
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 132u);
  EXPECT_TRUE(text.find('\r') == std::string::npos && text.back() == '\n' && lines[9].empty());
  EXPECT_TRUE(lines[0].find("AlphaStop") != std::string::npos &&
              lines[0].find("not a reference table") != std::string::npos);
  EXPECT_EQ(lines[2] + "|" + lines[4],
            "Density 1.000E+00 g/cm3    Mean excitation energy 75.0 eV    Phase condensed|1: "
            "0.111894  8: 0.888106");
  const testing::TempFolder folder;
  const auto path = folder.Path() / "asc" / "Water_liquid.asc";  // the folder is created
  WriteStoppingTable(path, water, table);
  EXPECT_EQ(std::string(
                std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}),
            text);
  EXPECT_THROW(WriteStoppingTable("/proc/alphastop/no/such.asc", water, table), std::exception);
  const Checked<MaterialTable> checked = ReadMaterialTable(path.string());
  ASSERT_TRUE(ValueOf(checked)) << Refused(checked)->message;
  const MaterialTable* read = ValueOf(checked);
  EXPECT_EQ(read->MaterialTitle, "WATER, LIQUID");
  // The facts of the header come back as the material had them.
  EXPECT_TRUE(read->density == 1.0 && read->meanExcitationEnergy == 75.0 &&
              read->phase == TablePhase::Condensed && read->computedByModel);
  ASSERT_EQ(read->composition.size(), 2u);
  EXPECT_TRUE(read->composition[1].z == 8 && read->composition[1].weight == 0.888106);
  // So does the uncertainty of line 6, step by step; a table the model did not make has none.
  const TableUncertainty stated = UncertaintyOf(water);
  ASSERT_TRUE(read->uncertainty.has_value()) << lines[5];
  for (const auto& [steps, percentAt] :
       {std::pair(stated.electronic, &ElectronicUncertaintyPercent),
        std::pair(stated.csdaRange, &CsdaRangeUncertaintyPercent)}) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const double end = steps[i].upToMeV.value_or(1e3), start = i ? *steps[i - 1].upToMeV : 1e-3;
      EXPECT_EQ(percentAt(*read, end), steps[i].percent) << lines[5];
      EXPECT_EQ(percentAt(*read, start * 1.001), steps[i].percent) << lines[5];
    }
  }
  lines[0] = "Stopping powers and ranges of helium ions";
  EXPECT_FALSE(FactsOfHeader(lines).uncertainty.has_value());
  for (int r = 1; r <= RowCount; ++r) {
    const std::string& line = lines[9 + r];
    const StoppingRow& row = table[r - 1];
    // The seventh number, the detour factor, lies beyond the 59 characters of the row text.
    ASSERT_EQ(line.size(), 69u) << "row " << r;
    EXPECT_EQ(read->RowText(r) + line[59], line.substr(0, 60));
    const TableRow& got = read->rows[r - 1];
    const double written[] = {
        got.energy,   got.stopPower[0], got.stopPower[1],          got.stopPower[2],
        got.range[0], got.range[1],     std::stod(line.substr(60))};
    const double computed[] = {row.energy,    row.electronic,     row.nuclear,     row.total,
                               row.csdaRange, row.projectedRange, row.detourFactor};
    for (int k = 0; k < 7; ++k)
      EXPECT_NEAR(written[k], computed[k], 5e-4 * computed[k])
          << "row " << r << " number " << k + 1;
  }
}

double WeightOf(const std::vector<ElementFraction>& composition, int z) {
  const auto part =
      std::find_if(composition.begin(), composition.end(), [z](const auto& p) { return p.z == z; });
  return part == composition.end() ? 0.0 : part->weight;
}

TEST(ChemicalFormula, GivesFractionsByWeightOfGroupsRepeatsAndDecimalCounts) {
  const auto water = std::get<0>(CompositionOfFormula("H2O"));  // ICRU 37 used older atomic weights
  EXPECT_TRUE(water.size() == 2 && std::abs(WeightOf(water, 1) - 0.111894) < 1e-5 &&
              std::abs(WeightOf(water, 8) - 0.888106) < 1e-5);
  const double mass = 40.078 + 2 * (15.9994 + 1.00794);
  EXPECT_NEAR(WeightOf(std::get<0>(CompositionOfFormula("Ca(OH)2")), 20), 40.078 / mass, 1e-9);
  EXPECT_NEAR(WeightOf(std::get<0>(CompositionOfFormula("Ca(OH)2")), 8), 2 * 15.9994 / mass, 1e-9);
  EXPECT_EQ(std::get<0>(CompositionOfFormula("CH3COOH")).size(), 3u);
  EXPECT_NEAR(WeightOf(std::get<0>(CompositionOfFormula("CH3COOH")), 6),
              2 * 12.0107 / (2 * 12.0107 + 4 * 1.00794 + 2 * 15.9994), 1e-9);
  EXPECT_NEAR(WeightOf(std::get<0>(CompositionOfFormula("C0.5H2")), 6),
              6.00535 / (6.00535 + 2.01588), 1e-9);
  for (const char* broken : {"H2Xx", "h2o", "Ca(OH2", "", "H0O"})
    EXPECT_TRUE(Refused(CompositionOfFormula(broken))) << broken;
}

TEST(MaterialCheck, RenormalisesSmallDeviationsAndRejectsValuesOutOfRange) {
  Material close = MaterialOf("m", Phase::Condensed, 1.0, 75.0,
                              {{1, 0.1115}, {8, 0.8880}});  // adds up to 0.9995
  EXPECT_FALSE(ValidateMaterial(close).has_value());
  EXPECT_NEAR(close.composition[0].weight + close.composition[1].weight, 1.0, 1e-12);
  const Material good = Water();
  const std::function<void(Material&)> faults[] = {
      [](Material& m) { m.composition[1].weight = 0.87; },  // fractions add up to 0.98
      [](Material& m) { m.density = 0.0; },
      [](Material& m) { m.density = -1.0; },
      [](Material& m) { m.density = 100.0; },
      [](Material& m) { m.meanExcitationEnergy = 0.0; },
      [](Material& m) { m.meanExcitationEnergy = 1e5; },
      [](Material& m) { m.composition[0].z = 93; },
      [](Material& m) { m.composition[0].z = 8; } /* twice */,
      [](Material& m) { m.composition.clear(); }};
  for (std::size_t i = 0; i < std::size(faults); ++i) {
    Material m = good;
    faults[i](m);
    EXPECT_TRUE(ValidateMaterial(m).has_value()) << "fault " << i;
  }
}

// The shipped list below is parsed whole; these are the faults it must refuse.
TEST(MaterialsFile, NamesTheFaultyLine) {
  const auto error = [](const char* text) -> std::string {
    const auto parsed = ParseMaterialList(text);
    return Refused(parsed) ? Refused(parsed)->message : "accepted";
  };
  EXPECT_NE(error("# one\nGold | Gold.as | solid | 19.32 | 790 | 79:1\n").find("line 2"),
            std::string::npos);
  for (const char* bad : {"Gold | Gold.as | condensed | x | 790 | 79:1\n",
                          "Gold | Gold.as | condensed | 19.32 | 790 | 79=1\n",
                          "Gold | Gold.as | condensed | 19.32 | 790\n"})
    EXPECT_NE(error(bad), "accepted") << bad;
}

TEST(ShippedMaterials, CoverTheElementsAndAtLeastFortyCompounds) {
  std::set<int> elements;
  std::map<std::string, std::string> files;  // file name: material name
  int compounds = 0;
  for (const Material& m : ShippedMaterials()) {
    EXPECT_TRUE(files.emplace(m.fileName, m.name).second) << "file written twice: " << m.fileName;
    EXPECT_TRUE(m.fileName.ends_with(".as") || m.fileName.ends_with(".asc")) << m.fileName;
    EXPECT_EQ(m.phase == Phase::Gas, m.density < 0.01) << m.name;
    if (m.fileName.ends_with(".asc"))
      ++compounds;
    else if (m.composition.size() == 1)
      elements.insert(m.composition[0].z);
    else
      ADD_FAILURE() << m.name << " is no element";
  }
  EXPECT_EQ(elements.size(), std::size_t(MaxAtomicNumber));
  EXPECT_GE(compounds, 40);
  for (const auto& [file, name] : std::map<std::string, std::string>{
           {"Water_liquid.asc", "Water, liquid"},
           {"Water_vapor.asc", "Water vapor"},
           {"Gold.as", "Gold"},
           {"Air_dry_near_sea_level.asc", "Air, dry (near sea level)"},
           {"Carbon_graphite.as", "Carbon (graphite)"}})
    EXPECT_EQ(files[file], name);
}

}  // namespace
}  // namespace alphastop::tables
