#include "core/physics/ElectronicStopping.h"

#include "core/physics/BetheCorrections.h"
#include "core/materials/Elements.h"
#include "core/physics/PhysicalConstants.h"
#include "core/physics/HeliumFitCoefficients.h"

#include <algorithm>
#include <cmath>

namespace alphastop::tables {
namespace {

constexpr double FitLowestMeV = 1e-3;
// Below this energy the stopping of a compound or mixture is taken proportional to the ion
// velocity (Lindhard and Scharff): the exponents of the elemental fits at the lowest energies
// describe each element's own data and do not add up to the compound's.
constexpr double CompoundVelocityProportionalBelowMeV = 1e-2;

// K z^2 (Z/A) / beta^2: stopping power per unit stopping number, MeV cm2/g.
double BethePrefactor(const Material& material, const Kinematics& k) {
  return BetheConstant * HeliumCharge * HeliumCharge * ElectronsPerMass(material) / k.beta2;
}

// L0 + z L1 + L2 - delta/2, the Barkas term averaged over the electrons of the elements.
double StoppingNumberWithoutShells(const Material& material, const Kinematics& k) {
  double barkas = 0.0;
  for (const ElementFraction& part : material.composition) {
    barkas += part.weight * part.z / AtomicWeight(part.z) * BarkasTerm(k, part.z);
  }
  barkas /= ElectronsPerMass(material);
  return BetheLogTerm(k, material.meanExcitationEnergy) + HeliumCharge * barkas +
         BlochTerm(k, HeliumCharge) - 0.5 * DensityEffect(k, material);
}

template <typename F>
double SlopeInLogEnergy(F f, double energyMeV) {
  constexpr double h = 1e-3;
  return (f(energyMeV * (1.0 + h)) - f(energyMeV * (1.0 - h))) / (std::log1p(h) - std::log1p(-h));
}

// The fits of hydrogen, nitrogen and oxygen describe the gases H2, N2 and O2. Bound in a
// condensed compound these atoms stop helium ions less (the phase and chemical-binding effects
// discussed in ICRU Report 49, e.g. liquid water against its vapour): by about 12 % up to
// 0.5 MeV, and oxygen bound in oxides and glasses (a condensed compound without hydrogen) by
// about 20 %, as Bragg's rule with O2 overestimates the stopping in Al2O3 and SiO2. The
// difference fades out, linearly in ln T, by 3.5 MeV.
double CondensedPhaseFactor(const Material& material, int z, double energyMeV) {
  if (material.phase != Phase::Condensed || (z != 1 && z != 7 && z != 8)) return 1.0;
  constexpr double Reduction = 0.12;
  constexpr double OxideReduction = 0.20;
  constexpr double FullBelowMeV = 0.5;
  constexpr double NoneAboveMeV = 3.5;
  bool hydrogenous = false;
  for (const ElementFraction& part : material.composition) hydrogenous |= part.z == 1;
  const double reduction = z == 8 && !hydrogenous ? OxideReduction : Reduction;
  const double share = std::log(NoneAboveMeV / energyMeV) / std::log(NoneAboveMeV / FullBelowMeV);
  return 1.0 - reduction * std::clamp(share, 0.0, 1.0);
}

// The fit for element z in `material`, eV per 1e15 atoms/cm2, at T >= 1 keV.
double FitPerAtom(const Material& material, int z, double energyMeV) {
  if (z == 6 && material.amorphous)
    return FitStoppingPerAtom(AmorphousCarbonCoefficients(), energyMeV);
  if (z == 4) {
    // From the ICRU 49 curve below 1 MeV to the 1977 curve above 1.5 MeV, linearly in ln T.
    constexpr double From = 1.0;
    constexpr double To = 1.5;
    const double icru = FitStoppingPerAtom(ZieglerHeliumCoefficients(4), energyMeV);
    if (energyMeV <= From) return icru;
    const double ziegler = FitStoppingPerAtom(Beryllium1977Coefficients(), energyMeV);
    if (energyMeV >= To) return ziegler;
    const double t = std::log(energyMeV / From) / std::log(To / From);
    return icru + t * (ziegler - icru);
  }
  return FitStoppingPerAtom(ZieglerHeliumCoefficients(z), energyMeV);
}

}  // namespace

double LowEnergyElectronicStopping(const Material& material, double energyMeV) {
  const double lowest =
      material.composition.size() > 1 ? CompoundVelocityProportionalBelowMeV : FitLowestMeV;
  const double fitEnergy = std::max(energyMeV, lowest);
  double sum = 0.0;
  for (const ElementFraction& part : material.composition) {
    const double perAtom = FitPerAtom(material, part.z, fitEnergy);
    sum += part.weight * perAtom * AvogadroPer1e21 / AtomicWeight(part.z) *
           CondensedPhaseFactor(material, part.z, fitEnergy);
  }
  if (energyMeV < lowest) sum *= std::sqrt(energyMeV / lowest);
  return sum;
}

double BetheStoppingWithoutShells(const Material& material, double energyMeV) {
  const Kinematics k = HeliumKinematics(energyMeV);
  return BethePrefactor(material, k) * StoppingNumberWithoutShells(material, k);
}

ElectronicStoppingModel PrepareElectronicStopping(const Material& material) {
  ElectronicStoppingModel model{material, MakeLocalPlasmaModel(material)};
  const auto logFit = [&](double t) { return std::log(LowEnergyElectronicStopping(material, t)); };
  const auto logBethe = [&](double t) { return std::log(BetheElectronicStopping(model, t)); };
  model.startLog = logFit(JoinStartMeV);
  model.startSlope = SlopeInLogEnergy(logFit, JoinStartMeV);
  model.endLog = logBethe(JoinEndMeV);
  model.endSlope = SlopeInLogEnergy(logBethe, JoinEndMeV);
  return model;
}

double BetheElectronicStopping(const ElectronicStoppingModel& model, double energyMeV) {
  const Kinematics k = HeliumKinematics(energyMeV);
  return BethePrefactor(model.material, k) *
         (StoppingNumberWithoutShells(model.material, k) - LocalPlasmaShellTerm(model.shells, k));
}

double ElectronicStopping(const ElectronicStoppingModel& model, double energyMeV) {
  if (energyMeV <= JoinStartMeV) return LowEnergyElectronicStopping(model.material, energyMeV);
  if (energyMeV >= JoinEndMeV) return BetheElectronicStopping(model, energyMeV);

  const double width = std::log(JoinEndMeV / JoinStartMeV);
  const double t = std::log(energyMeV / JoinStartMeV) / width;
  const double h00 = (2 * t - 3) * t * t + 1;
  const double h10 = ((t - 2) * t + 1) * t;
  const double h01 = (3 - 2 * t) * t * t;
  const double h11 = (t - 1) * t * t;
  return std::exp(h00 * model.startLog + h10 * width * model.startSlope + h01 * model.endLog +
                  h11 * width * model.endSlope);
}

double ElectronicStopping(const Material& material, double energyMeV) {
  return ElectronicStopping(PrepareElectronicStopping(material), energyMeV);
}

}  // namespace alphastop::tables
