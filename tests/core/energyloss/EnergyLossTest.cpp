// The energy through layers on tables the program computes from its shipped materials and
// from materials written out, through a stack as the window and the calculator type it:
// straggling against Bohr's formula worked by hand, gases at their pressure, tilted layers,
// thickness from an energy loss, depth profiles and what is refused.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "core/graph/DepthGraph.h"
#include "core/materials/MaterialList.h"
#include "core/physics/ComputedTable.h"
#include "core/range/LayerStack.h"
#include "core/range/RangeInterpolation.h"
#include "core/range/Stack.h"
#include "core/energyloss/DepthProfile.h"
#include "core/energyloss/EnergyLossThickness.h"
#include "core/energyloss/LayerConditions.h"
#include "core/nuclides/Nuclides.h"
#include "core/energyloss/Straggling.h"
#include "core/units/ConditionText.h"
#include "core/text/NumberFormat.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

const MaterialTable& Table(const std::string& name) {
  static std::map<std::string, MaterialTable> tables;
  if (!tables.contains(name))
    for (const tables::Material& material : tables::ShippedMaterials())
      if (material.name == name) tables[name] = tables::TableOfMaterial(material);
  return tables.at(name);
}
const MaterialTable& Silicon() { return Table("Silicon"); }
const MaterialTable& Air() { return Table("Air, dry (near sea level)"); }

template <typename T>
T Value(const Checked<T>& checked) {
  if (const auto* no = std::get_if<Refusal>(&checked)) ADD_FAILURE() << "refused: " << no->message;
  return std::holds_alternative<T>(checked) ? std::get<T>(checked) : T{};
}

double EnergyOut(const MaterialTable& table, double thickness, double energyIn) {
  return Value(CrossLayer(table, thickness, energyIn)).energyOut;
}

// Layers of materials written out, computed as a layer's MATERIAL is.
const std::string SiliconText = "formula=Si,density=2.33,name=Silicon";
const std::string AirText =
    "weights=6:0.000124,7:0.755268,8:0.231781,18:0.012827,density=0.00120479,gas,name=Air";
const std::string GoldText = "formula=Au,density=19.32,name=Gold";
const std::string MylarText = "formula=C10H8O4,density=1.4,name=Mylar";

StackInput Input(std::vector<LayerInput> layers, std::string angle = "") {
  return {.energy = "5.486", .layers = std::move(layers), .angle = std::move(angle)};
}
StackResult Stack(std::vector<LayerInput> layers, std::string angle = "") {
  static MaterialCache materials;
  const StackResult stack = EvaluateStack(Input(std::move(layers), std::move(angle)), materials);
  if (auto no = stack.FirstRefusal()) ADD_FAILURE() << "refused: " << no->message;
  return stack;
}
LayerInput Layer(const std::string& material, double thickness) {
  return {.material = material, .thickness = FormatFullPrecision(thickness)};
}

TEST(Straggling, FollowsBohrWhereFastAndLindhardScharffWhereSlow) {
  // K m_e c^2 z^2 Z/A, K = 0.307075 MeV cm2/mol, m_e c^2 = 0.510999 MeV, z = 2, times the
  // relativistic factor gamma^2 (1 - beta^2/2) / (1 + 2 gamma m_e/M), 1.00120 at 5.5 MeV:
  //   silicon, Z/A = 14/28.0855: 0.156915 * 4 * 0.498478 * 1.00120 = 0.31325 MeV^2 cm2/g;
  //   gold at 5.5 MeV: chi = beta^2 137.036^2 / 79 = 0.0029468 * 18778.9 / 79 = 0.70048,
  //   L/2 = (1.36 sqrt(chi) - 0.016 chi^1.5) / 2 = 0.56443, so
  //   0.156915 * 4 * (79/196.96657) * 1.00120 * 0.56443 = 0.14226 MeV^2 cm2/g.
  EXPECT_NEAR(Value(StragglingRate(Silicon(), 5.486)), 0.31325, 0.0002);
  EXPECT_NEAR(Value(StragglingRate(Table("Gold"), 5.5)), 0.14226, 0.0002);
  // Water at 50 MeV, far above every shell's velocity: Bohr's value, Z/A = 0.55509 and the
  // relativistic factor 1.01323, 0.156915 * 4 * 0.55509 * 1.01323 = 0.35302 MeV^2 cm2/g.
  EXPECT_NEAR(Value(StragglingRate(Table("Water, liquid"), 50)), 0.35302, 0.0002);

  // 5.486 MeV in 1 um of silicon (2.33e-4 g/cm2): sigma^2 = 0.31325 * 2.33e-4 MeV^2, sigma
  // = 8.543 keV, FWHM 20.12 keV; the stopping power rises by 2 % across the layer, which
  // widens the spread leaving it by about 1 %.
  EXPECT_NEAR(
      Stack({{.material = SiliconText, .thickness = "1um"}}).straggling.value_or(0) * FwhmPerSigma,
      20.12e-3, 0.3e-3);
  // A nanometre: the thin-layer limit, Bohr's variance times the thickness.
  const double thin = MicrometresToArealDensity(1e-3, 2.33);
  EXPECT_NEAR(
      std::pow(Value(EnergyStragglingOut(Silicon(), 5.486, EnergyOut(Silicon(), thin, 5.486), 0)),
               2),
      0.31325 * thin, 0.31325 * thin * 2e-3);
}

TEST(Straggling, CarriesThroughAStackAsThroughOneLayerAndGivesARangeSpreadNearOnePercent) {
  for (const auto& [table, text] :
       {std::pair{&Silicon(), SiliconText}, {&Air(), AirText}, {&Table("Gold"), GoldText}}) {
    const double range = Value(CsdaRangeAtEnergy(*table, 5.486));
    const double whole = Stack({Layer(text, 0.8 * range)}).straggling.value_or(0);
    const double halves = Stack({Layer(text, 0.4 * range), Layer(text, 0.4 * range)})
                              .layers[1]
                              .straggling.value_or(0);
    EXPECT_GT(whole, 0) << text;
    EXPECT_NEAR(halves, whole, 1e-4 * whole) << text;
    // Range straggling of alpha particles is of the order of 1 % of the range (Bohr 1915;
    // M.S. Livingston and H.A. Bethe, Rev. Mod. Phys. 9, 245 (1937)).
    const double spread = Value(RangeStraggling(*table, 5.486)) / range;
    EXPECT_GT(spread, 0.005) << table->MaterialTitle;
    EXPECT_LT(spread, 0.02) << table->MaterialTitle;
  }
}

TEST(LayerConditions, GasAtHalfPressureAndTiltedLayersLeaveTheEnergyOfTheSameMatter) {
  // 2 cm of air at 506.625 hPa hold as much air as 1 cm at 1013.25 hPa, and at 20 C the
  // table's own density holds.
  const auto airOut = [](const char* thickness, const char* pressure, const char* temperature) {
    return Stack({{.material = AirText,
                   .thickness = thickness,
                   .pressure = pressure,
                   .temperature = temperature}})
        .energyOut;
  };
  const double full = airOut("1cm", "1013.25hPa", "293.15 K");
  EXPECT_NEAR(airOut("2cm", "506.625 hPa", "20 C"), full, 1e-9);
  EXPECT_NEAR(airOut("1 cm", "1 atm", "20\u00B0C"), airOut("1cm", "", ""), 1e-9);
  EXPECT_GT(5.486 - full, 0.1) << "a centimetre of air takes > 100 keV";

  // 5 um of silicon at 60 degrees is a path of 10 um, and at half its density 5 um hold as
  // much as 2.5 um; a particle stopping in a tilted layer stops at cos(60) of the depth.
  const double tenMicrometres = Stack({{.material = SiliconText, .thickness = "10um"}}).energyOut;
  EXPECT_NEAR(Stack({{.material = SiliconText, .thickness = "5um"}}, "60 deg").energyOut,
              tenMicrometres, 1e-9);
  EXPECT_NEAR(Stack({{.material = SiliconText, .thickness = "20um", .density = "1.165"}}).energyOut,
              tenMicrometres, 1e-9);
  const auto stopsAt = [](const char* angle) {
    return Stack({{.material = SiliconText, .thickness = "1mm"}}, angle)
        .layers[0]
        .StopDepthMicrometres()
        .value_or(0);
  };
  EXPECT_NEAR(stopsAt("60"), stopsAt("") / 2, 1e-9);
}

TEST(EnergyLossThickness, GivesTheThicknessThatCrossedGivesBackTheEnergyOut) {
  for (const auto& [name, in, out] : {std::tuple{"Silicon", 5.48556, 5.1},
                                      {"Gold", 8.78486, 0.5},
                                      {"Air, dry (near sea level)", 5.3, 0.01},
                                      {"Polyethylene terephthalate (Mylar)", 100.0, 99.9}}) {
    const double thickness = Value(ThicknessFromEnergyLoss(Table(name), in, out));
    EXPECT_NEAR(EnergyOut(Table(name), thickness, in), out, 1e-9 * in) << name;
  }
}

TEST(DepthProfile, IntegratesToTheEnergyEachLayerTakesAndEndsAtTheStop) {
  MaterialCache materials;
  const StackInput input = Input({{.material = MylarText, .thickness = "2um"},
                                  {.material = AirText, .thickness = "0"},
                                  {.material = AirText, .thickness = "2cm"},
                                  {.material = SiliconText, .thickness = "0.1"}});
  const StackResult stack = EvaluateStack(input, materials);
  const DepthProfile profile = Value(StackDepthProfile(input, materials));
  ASSERT_TRUE(profile.stopped);
  ASSERT_FALSE(profile.points.empty());
  EXPECT_EQ(profile.points.back().layer, 4);
  EXPECT_EQ(profile.points.back().energy, 0);
  std::map<int, double> integral;
  for (std::size_t k = 0; k < profile.points.size(); ++k) {
    const DepthPoint& point = profile.points[k];
    if (k > 0 && profile.points[k - 1].layer == point.layer)
      integral[point.layer] += (point.depth - profile.points[k - 1].depth) *
                               (point.stopping + profile.points[k - 1].stopping) / 2;
    ASSERT_TRUE(point.depthMicrometres && point.stoppingKeVPerMicrometre);
    EXPECT_NEAR(*point.stoppingKeVPerMicrometre,
                point.stopping * *stack.layers[std::size_t(point.layer - 1)].density * 0.1, 1e-9);
  }
  // Layer by layer the integral follows the energy each takes, as the stack gives it.
  for (int layer = 1; layer <= 4; ++layer) {
    const double lost = stack.layers[std::size_t(layer - 1)].energyLost;
    EXPECT_NEAR(integral[layer], lost, 0.005 * lost) << "layer " << layer;
  }

  // Drawn, air and foils share an axis of mg/cm2 from 0, each exit and the stop marked; a
  // stack of solids alone is drawn in um.
  const Plot plot = DepthPlotOf(profile);
  EXPECT_EQ(plot.x.title, "Depth along the track, mg/cm\u00b2");
  EXPECT_EQ(plot.x.low, 0);
  EXPECT_EQ(plot.xMarks.size(), 3u);
  ASSERT_TRUE(plot.markedPoint);
  EXPECT_DOUBLE_EQ(plot.markedPoint->x, profile.points.back().depth * 1e3);
  const auto atStop = DepthReadoutAt(profile, plot.markedPoint->x * (1 - 1e-9));
  ASSERT_TRUE(atStop);
  EXPECT_NE(atStop->find(" mg/cm\u00b2: 0.000E+00 MeV, dE/dx 0.000E+00 MeV"), std::string::npos)
      << *atStop;
  EXPECT_FALSE(DepthReadoutAt(profile, plot.markedPoint->x * 1.01));
  const StackInput solids = Input({input.layers[0], input.layers[3]});
  EXPECT_EQ(DepthPlotOf(Value(StackDepthProfile(solids, materials))).x.title,
            "Depth along the track, \u00b5m");

  // A layer of exactly the range stops the particle at its far side.
  const double range = Value(CsdaRangeAtEnergy(Air(), 5.48556));
  const DepthLayer exact[] = {{&Air(), range, {}}};
  EXPECT_TRUE(Value(ProfileThroughLayers(exact, 5.48556)).stopped);
}

TEST(EnergyLoss, RefusesWhatCannotBeAndNamesIt) {
  MaterialCache materials;
  MaterialTable untold = Silicon();
  untold.composition.clear();
  const auto message = [](const auto& checked) {
    const auto* no = std::get_if<Refusal>(&checked);
    return no ? no->message : std::string("(not refused)");
  };
  const std::pair<std::string, std::string> cases[] = {
      {message(LayerDensity(Air(), {.pressure = 1e5, .temperature = {}, .density = 1.0})),
       "not both"},
      {message(ParseEnergyOrNuclide("5 furlongs")), "unknown unit \"furlongs\""},
      {message(ParseAngle("steep")), "\"steep\": not a number"},
      {message(ParsePressure("20 psi")), "unknown unit \"psi\""},
      {message(ParseTemperature("-300 C")), "above absolute zero"},
      {message(ParseDensity("0")), "greater than zero"},
      {message(ThicknessFromEnergyLoss(Silicon(), 5000, 5)), "energy in: 5000 MeV is outside"},
      {message(EnergyStragglingOut(untold, 5, 4, 0)), "\"SILICON\" gives no composition"},
      {message(ProfileThroughLayers(std::vector<DepthLayer>{{}}, 5)), "layer 1: no material"},
      {message(StackDepthProfile(Input({}, "95"), materials)), "\"95\": an angle of incidence"},
      {message(StackDepthProfile({.energy = ""}, materials)), "no energy"},
  };
  for (const auto& [got, expected] : cases)
    EXPECT_NE(got.find(expected), std::string::npos) << got << "\n  should hold: " << expected;
}

}  // namespace
}  // namespace alphastop
