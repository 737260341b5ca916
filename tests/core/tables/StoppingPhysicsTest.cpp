// Physics of the table generator: Bethe theory against known values, shell corrections,
// Bragg additivity, the low-energy fit and its join to Bethe, and the nuclear stopping.

#include "core/tables/AtomicDensities.h"
#include "core/tables/BetheCorrections.h"
#include "core/tables/ElectronicStopping.h"
#include "core/tables/Elements.h"
#include "core/tables/HeliumFitCoefficients.h"
#include "core/tables/LocalPlasmaShells.h"
#include "core/tables/NuclearStopping.h"
#include "core/tables/UniversalScattering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace alphastop::tables {
namespace {

Material Water() {
  return {"Water, liquid", "Water_liquid.asc", Phase::Condensed, 1.0, 75.0, {{1, 0.111894}, {8, 0.888106}}};
}

Material Element(int z, double density, double ivalue, Phase phase = Phase::Condensed) {
  return {"element", "element.as", phase, density, ivalue, {{z, 1.0}}};
}

Material Vapour() {
  Material vapour = Water();
  vapour.phase = Phase::Gas;
  return vapour;
}

// Where f peaks, scanning from `from` to `to` in steps of 5 %; returns {position, peak}.
template <typename F>
std::pair<double, double> Peak(F f, double from, double to) {
  std::pair<double, double> best{from, f(from)};
  for (double x = from; x < to; x *= 1.05)
    if (f(x) > best.second) best = {x, f(x)};
  return best;
}

TEST(BetheTheory, AlphaInWaterAtHundredMeVPerNucleonIsFourTimesTheProtonValue) {
  // Protons of 100 MeV in water: 7.289 MeV cm2/g (ICRU Report 49). Helium ions of the same
  // velocity lose z^2 = 4 times as much, up to the small Barkas and Bloch differences.
  const double sameVelocity = 100.0 * HeliumMassU * AtomicMassUnitMeV / 938.272;
  EXPECT_NEAR(BetheElectronicStopping(PrepareElectronicStopping(Water()), sameVelocity), 4 * 7.289, 4 * 7.289 * 0.01);
  EXPECT_NEAR(ElectronicStopping(Water(), sameVelocity), 4 * 7.289, 4 * 7.289 * 0.01);
  // eta^2 = gamma^2 - 1 with gamma = 1 + T / (M c^2); T = 400.6 MeV, M = 4.001506 u.
  const Kinematics k = HeliumKinematics(400.6);
  const double gamma = 1.0 + 400.6 / (4.001506 * 931.49410);
  EXPECT_NEAR(k.eta2, gamma * gamma - 1.0, 1e-12);
  EXPECT_NEAR(BetheLogTerm(k, 75.0), 7.850, 0.002);
}

TEST(BetheTheory, BarkasAndBlochFadeAtHighEnergyAndTheDensityEffectAppearsOnlyThere) {
  const Kinematics fast = HeliumKinematics(1000.0);
  const Kinematics slow = HeliumKinematics(10.0);
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

// Electrons of atom z within radius r (Bohr radii), by the midpoint rule in ln r.
double ElectronsWithin(int z, double r) {
  constexpr int Steps = 4000;
  const double from = std::log(1e-7), step = (std::log(r) - from) / Steps;
  double sum = 0.0;
  for (int i = 0; i < Steps; ++i) {
    const double x = std::exp(from + (i + 0.5) * step);
    sum += 4.0 * std::numbers::pi * x * x * x * AtomicElectronDensity(z, x) * step;
  }
  return sum;
}

TEST(AtomicDensity, HoldsTheAtomsElectronsWithExactHydrogenAndSlaterShellsUpToNeon) {
  for (int z : {1, 2, 6, 10, 11, 29, 92}) EXPECT_NEAR(ElectronsWithin(z, 200.0), z, 0.01 * z) << z;
  // Hydrogen's ground state: n(r) = exp(-2r) / pi in atomic units.
  for (double r : {0.1, 1.0, 3.0})
    EXPECT_NEAR(AtomicElectronDensity(1, r), std::exp(-2.0 * r) / std::numbers::pi, 1e-12) << r;
  // Slater: 1s exponent 5.7, 2s2p exponent (6 - 1.7 - 1.05) / 2 = 1.625. Inside r = 0.5 the
  // 1s orbital holds 1 - e^-5.7 (1 + 5.7 + 5.7^2/2) = 0.9232 of each of its two electrons and
  // the n = 2 orbital 1 - e^-x (1 + x + x^2/2 + x^3/6 + x^4/24) = 0.0252 (x = 1.625) of four.
  EXPECT_NEAR(ElectronsWithin(6, 0.5), 2 * 0.9232 + 4 * 0.0252, 0.003);
  EXPECT_EQ(AtomicElectronDensity(6, 0.7), SlaterDensity(6, 0.7));
  EXPECT_EQ(AtomicElectronDensity(29, 0.7), ThomasFermiDensity(29, 0.7));
}

TEST(ShellCorrection, IsPositiveFallsAsOneOverVSquaredAndSparesTheInnerElectronsOfSlowIons) {
  const LocalPlasmaModel aluminum = MakeLocalPlasmaModel(Element(13, 2.699, 166.0));
  for (double e : {10.0, 30.0, 100.0, 300.0, 1000.0})
    EXPECT_GT(LocalPlasmaShellTerm(aluminum, HeliumKinematics(e)), 0.0) << e;
  const Kinematics k1 = HeliumKinematics(500.0), k2 = HeliumKinematics(1000.0);
  const double ratio = LocalPlasmaShellTerm(aluminum, k2) / LocalPlasmaShellTerm(aluminum, k1);
  EXPECT_NEAR(ratio, k1.beta2 / k2.beta2, 0.15 * k1.beta2 / k2.beta2);
  // Of the order of 0.1 near 10 MeV for aluminium (ICRU Report 49 shell corrections: C/Z ~ 0.1).
  EXPECT_NEAR(LocalPlasmaShellTerm(aluminum, HeliumKinematics(10.0)), 0.13, 0.05);
  // At 1 MeV the inner shells of lead are closed to the Bethe logarithm; the v^3 stopping of
  // Lindhard and Winther keeps the stopping number L0 - C/Z positive.
  const Kinematics slow = HeliumKinematics(1.0);
  const double stoppingNumber =
      BetheLogTerm(slow, 823.0) - LocalPlasmaShellTerm(MakeLocalPlasmaModel(Element(82, 11.35, 823.0)), slow);
  EXPECT_GT(stoppingNumber, 0.0);
  EXPECT_LT(stoppingNumber, BetheLogTerm(slow, 823.0) + 1.0);
}

TEST(ShellCorrection, PeaksLaterForHeavierAtomsAndIgnoresDensityAndPhase) {
  const auto ShellPeakEnergy = [](int z, double ivalue) {  // MeV
    const LocalPlasmaModel model = MakeLocalPlasmaModel(Element(z, 1.0, ivalue));
    return Peak([&](double e) { return LocalPlasmaShellTerm(model, HeliumKinematics(e)); }, 1.0, 1000.0).first;
  };
  const double copper = ShellPeakEnergy(29, 322.0);
  const double gold = ShellPeakEnergy(79, 790.0);
  EXPECT_LT(ShellPeakEnergy(6, 78.0), copper);
  EXPECT_LT(copper, gold);
  EXPECT_GT(gold, 10.0);
  Material thin = Vapour();
  thin.density = 1e-3;
  const Kinematics k = HeliumKinematics(20.0);
  EXPECT_DOUBLE_EQ(LocalPlasmaShellTerm(MakeLocalPlasmaModel(Water()), k), LocalPlasmaShellTerm(MakeLocalPlasmaModel(thin), k));
}

TEST(BraggAdditivity, MixtureIsTheWeightedSumOfItsElements) {
  const Material hydrogen = Element(1, 8.375e-5, 19.2, Phase::Gas);
  const Material oxygen = Element(8, 1.332e-3, 95.0, Phase::Gas);
  Material vapour = Vapour();
  vapour.density = 7.562e-4;
  for (double e : {0.01, 0.1, 1.0}) {
    const double sum = 0.111894 * LowEnergyElectronicStopping(hydrogen, e) + 0.888106 * LowEnergyElectronicStopping(oxygen, e);
    EXPECT_NEAR(LowEnergyElectronicStopping(vapour, e), sum, 1e-9 * sum) << e << " MeV";
  }
  for (double e : {1e-3, 0.1, 10.0, 1000.0}) {
    const double sum = 0.111894 * NuclearStopping(hydrogen, e) + 0.888106 * NuclearStopping(oxygen, e);
    EXPECT_NEAR(NuclearStopping(Water(), e), sum, 1e-9 * sum) << e << " MeV";
  }
}

TEST(LowEnergyFit, FollowsTheZieglerFormulaWithTheVelocityBelowItsRangeAndLessForCondensedCompounds) {
  const Material aluminum = Element(13, 2.699, 166.0);
  const double perAtom = FitStoppingPerAtom(ZieglerHeliumCoefficients(13), 0.1);
  EXPECT_NEAR(LowEnergyElectronicStopping(aluminum, 0.1), perAtom * 602.214 / 26.981538, 1e-3);
  const double atOneKeV = LowEnergyElectronicStopping(aluminum, 1e-3);
  EXPECT_NEAR(LowEnergyElectronicStopping(aluminum, 0.25e-3), 0.5 * atOneKeV, 1e-9 * atOneKeV);
  // Compounds go with the velocity below 10 keV.
  const Material vapour = Vapour();
  const double atTenKeV = LowEnergyElectronicStopping(vapour, 0.01);
  for (double e : {1e-3, 2.5e-3, 5e-3})
    EXPECT_NEAR(LowEnergyElectronicStopping(vapour, e), atTenKeV * std::sqrt(e / 0.01), 1e-9 * atTenKeV);
  // Condensed compounds stop less than their vapour below a few MeV.
  for (double e : {0.01, 0.1, 0.5})
    EXPECT_NEAR(LowEnergyElectronicStopping(Water(), e) / LowEnergyElectronicStopping(vapour, e), 0.88, 1e-9);
  EXPECT_LT(LowEnergyElectronicStopping(Water(), 2.0), LowEnergyElectronicStopping(vapour, 2.0));
  EXPECT_DOUBLE_EQ(LowEnergyElectronicStopping(Water(), 3.5), LowEnergyElectronicStopping(vapour, 3.5));
  // Elements keep their own (condensed-phase) fits.
  EXPECT_NEAR(LowEnergyElectronicStopping(Element(79, 19.32, 790.0), 0.1),
              FitStoppingPerAtom(ZieglerHeliumCoefficients(79), 0.1) * 602.214 / 196.96655, 1e-3);
}

TEST(ElectronicStoppingJoin, IsContinuousAndKeepsTheSlopeOfBothCurvesAtItsEnds) {
  // d ln S / d ln T just inside the join equals that of the fit below and of Bethe above.
  const auto logSlope = [](const auto& stopping, double e) {
    constexpr double h = 1e-4;
    return std::log(stopping(e * (1 + h)) / stopping(e * (1 - h))) / std::log((1 + h) / (1 - h));
  };
  for (const Material& m : {Water(), Element(79, 19.32, 790.0), Element(13, 2.699, 166.0), Element(6, 2.0, 81.0)}) {
    SCOPED_TRACE(m.composition[0].z);
    for (double edge : {JoinStartMeV, JoinEndMeV})
      EXPECT_NEAR(ElectronicStopping(m, edge * (1 - 1e-6)) / ElectronicStopping(m, edge * (1 + 1e-6)), 1.0, 1e-4) << edge;
    const ElectronicStoppingModel model = PrepareElectronicStopping(m);
    const auto joined = [&](double e) { return ElectronicStopping(model, e); };
    const auto fit = [&](double e) { return LowEnergyElectronicStopping(m, e); };
    const auto bethe = [&](double e) { return BetheElectronicStopping(model, e); };
    EXPECT_NEAR(logSlope(joined, JoinStartMeV * 1.001), logSlope(fit, JoinStartMeV), 0.01);
    EXPECT_NEAR(logSlope(joined, JoinEndMeV * 0.999), logSlope(bethe, JoinEndMeV), 0.01);
    EXPECT_LT(logSlope(joined, std::sqrt(JoinStartMeV * JoinEndMeV)), 0.0);  // past the peak
  }
}

TEST(NuclearStopping, UniversalFunctionIsTheScatteringIntegralContinuousAndPeaksAtLowReducedEnergy) {
  for (double eps : {2e-4, 0.03, 0.5, 7.0, 300.0, 5e4})
    EXPECT_NEAR(ReducedNuclearStopping(eps) / IntegrateReducedNuclearStopping(eps), 1.0, 2e-3) << eps;
  // Within a few per cent of ZBL's fitting formula, which it refines (5 % near epsilon = 100).
  EXPECT_NEAR(ReducedNuclearStopping(1.0), 0.3143, 0.005);
  EXPECT_NEAR(ReducedNuclearStopping(100.0) / (std::log(100.0) / 200.0), 1.05, 0.01);
  EXPECT_NEAR(ReducedNuclearStopping(30.0 * (1 - 1e-9)) / ReducedNuclearStopping(30.0 * (1 + 1e-9)), 1.0, 0.02);
  const auto [peakAt, peak] = Peak(ReducedNuclearStopping, 1e-3, 100.0);
  EXPECT_GT(peakAt, 0.1);
  EXPECT_LT(peakAt, 0.6);
  EXPECT_NEAR(peak, 0.36, 0.04);
}

TEST(NuclearStopping, ScatteringAnglesApproachRutherfordAtSmallDistances) {
  // Unscreened Coulomb scattering: tan(theta/2) = 1 / (2 epsilon p).
  for (double eps : {100.0, 1e4})
    for (double p : {1e-4 / eps * 100, 1.0 / eps})
      EXPECT_NEAR(ScatteringAngle(p, eps) / (2.0 * std::atan(1.0 / (2.0 * eps * p))), 1.0, 0.01) << eps << " " << p;
  // Head-on collisions turn back, distant ones hardly deflect.
  EXPECT_NEAR(ScatteringAngle(1e-9, 1.0), 3.14159265, 1e-3);
  EXPECT_LT(ScatteringAngle(50.0, 1.0), 1e-3);
}

TEST(NuclearStopping, HeliumInGoldAtOneKeVFromTheUniversalPotential) {
  // epsilon = 0.0517, s_n = 0.277, 1.887 eV/(1e15 atoms/cm2) = 5.77 MeV cm2/g.
  EXPECT_NEAR(ReducedEnergy(79, AtomicWeight(79), 1e-3), 0.0517, 0.0005);
  const Material gold = Element(79, 19.32, 790.0);
  EXPECT_NEAR(NuclearStopping(gold, 1e-3), 5.77, 0.03);
  // Its transport cross-section falls with energy.
  for (double e = 1e-3; e < 500; e *= 2)
    EXPECT_LT(TransportCrossSectionPerMass(gold, 2 * e), TransportCrossSectionPerMass(gold, e)) << e;
}

}  // namespace
}  // namespace alphastop::tables
