#include "core/physics/ElectronicStopping.h"

#include "core/materials/Elements.h"
#include "core/materials/MeanExcitation.h"
#include "core/physics/BetheCorrections.h"
#include "core/physics/PhysicalConstants.h"

#include <algorithm>
#include <cmath>

namespace alphastop::tables {
namespace {

constexpr int Hydrogen = 1, Carbon = 6, Oxygen = 8;

// A condensed material holding more water than this share of its mass is aqueous.
constexpr double AqueousAbove = 0.5;

// Whether carbon in the material is amorphous: in an amorphous solid, and in every compound.
bool AmorphousCarbonIn(const Material& material) {
  return material.amorphous || material.composition.size() > 1;
}

double WaterMass() { return 2 * AtomicWeight(Hydrogen) + AtomicWeight(Oxygen); }

// The share of the mass of an aqueous material that is water, its hydrogen and oxygen paired
// as H2O as far as the scarcer allows; 0 for any other material.
double AqueousWaterShare(const Material& material) {
  if (material.phase != Phase::Condensed) return 0.0;
  double hydrogen = 0.0, oxygen = 0.0;  // mol/g
  for (const ElementFraction& part : material.composition) {
    if (part.z == Hydrogen) hydrogen = part.weight / AtomicWeight(Hydrogen);
    if (part.z == Oxygen) oxygen = part.weight / AtomicWeight(Oxygen);
  }
  const double water = std::min(hydrogen / 2, oxygen) * WaterMass();
  return water > AqueousAbove ? water : 0.0;
}

// The fits at T >= 1 keV.
double FitsAt(const ElectronicStoppingModel& model, double energyMeV) {
  if (model.molecule) return FitMassStopping(model.molecule->fit, energyMeV);
  const Material& material = model.material;
  double sum = model.water * FitMassStopping(LiquidWaterFitRow().fit, energyMeV);
  for (const ElementFraction& part : material.composition) {
    const HeliumFitRow& row = part.z == Carbon && AmorphousCarbonIn(material)
                                  ? AmorphousCarbonFitRow()
                                  : ElementFitRow(part.z);
    double weight = part.weight;
    if (part.z == Hydrogen) weight -= model.water * 2 * AtomicWeight(Hydrogen) / WaterMass();
    if (part.z == Oxygen) weight -= model.water * AtomicWeight(Oxygen) / WaterMass();
    sum += weight * FitMassStopping(row, energyMeV);
  }
  return sum;
}

template <typename F>
double SlopeInLogEnergy(F f, double energyMeV) {
  constexpr double h = 1e-3;
  return (f(energyMeV * (1.0 + h)) - f(energyMeV * (1.0 - h))) / (std::log1p(h) - std::log1p(-h));
}

// Each element's X with its own I: the material's where it is the only element, the one of
// the element's own table in a compound or mixture.
std::vector<BetheElement> BetheElementsOf(const Material& material) {
  std::vector<BetheElement> elements;
  const double electrons = ElectronsPerMass(material);
  for (const ElementFraction& part : material.composition) {
    const double ivalue = material.composition.size() == 1 ? material.meanExcitationEnergy
                                                           : ElementMeanExcitationEnergy(part.z);
    elements.push_back({part.weight * part.z / AtomicWeight(part.z) / electrons,
                        MakeElementShellCorrection(
                            part.z, ivalue, part.z == Carbon && AmorphousCarbonIn(material))});
  }
  return elements;
}

}  // namespace

ElectronicStoppingModel PrepareElectronicStopping(const Material& material) {
  ElectronicStoppingModel model;
  model.material = material;
  model.molecule = MoleculeRowOf(material);
  if (!model.molecule) model.water = AqueousWaterShare(material);
  model.elements = BetheElementsOf(material);
  const auto logFits = [&](double t) { return std::log(LowEnergyElectronicStopping(model, t)); };
  const auto logBethe = [&](double t) { return std::log(BetheElectronicStopping(model, t)); };
  model.startLog = logFits(JoinStartMeV);
  model.startSlope = SlopeInLogEnergy(logFits, JoinStartMeV);
  model.endLog = logBethe(JoinEndMeV);
  model.endSlope = SlopeInLogEnergy(logBethe, JoinEndMeV);
  return model;
}

double LowEnergyElectronicStopping(const ElectronicStoppingModel& model, double energyMeV) {
  if (energyMeV >= VelocityProportionalBelowMeV) return FitsAt(model, energyMeV);
  return FitsAt(model, VelocityProportionalBelowMeV) *
         std::sqrt(energyMeV / VelocityProportionalBelowMeV);
}

double BetheElectronicStopping(const ElectronicStoppingModel& model, double energyMeV) {
  const Kinematics k = HeliumKinematics(energyMeV);
  double shell = 0.0, barkas = 0.0;
  for (const BetheElement& element : model.elements) {
    shell += element.electronShare * ShellCorrection(element.shell, k, energyMeV);
    barkas += element.electronShare * BarkasTerm(k, element.shell.z);
  }
  const Material& material = model.material;
  const double stoppingNumber = BetheLogTerm(k, material.meanExcitationEnergy) - shell +
                                HeliumCharge * barkas + BlochTerm(k, HeliumCharge) -
                                0.5 * DensityEffect(k, material);
  return BetheConstant * HeliumCharge * HeliumCharge * ElectronsPerMass(material) / k.beta2 *
         stoppingNumber;
}

double ElectronicStopping(const ElectronicStoppingModel& model, double energyMeV) {
  if (energyMeV <= JoinStartMeV) return LowEnergyElectronicStopping(model, energyMeV);
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
