#include "core/tables/LocalPlasmaShells.h"

#include "core/tables/Elements.h"

#include <array>
#include <cmath>
#include <numbers>

namespace alphastop::tables {
namespace {

constexpr double HartreeEv = 27.211386;
constexpr double InverseFineStructure = 137.035999;

// Moliere's screening function: phi(x) = sum a_i exp(-b_i x), x = r / a_TF.
constexpr std::array<double, 3> MoliereA{0.35, 0.55, 0.10};
constexpr std::array<double, 3> MoliereB{0.3, 1.2, 6.0};

constexpr int CellsPerAtom = 120;
constexpr double InnermostX = 1e-4;
constexpr double OutermostX = 60.0;

// Weight of the Fermi-motion term: 3/5 v_F^2 is the mean square electron velocity of a free
// gas; 1/2 describes the measured stopping of the elements better at intermediate energies.
constexpr double FermiMotionWeight = 0.5;

}  // namespace

LocalPlasmaModel MakeLocalPlasmaModel(const Material& material) {
  LocalPlasmaModel model;
  const double electronsPerMass = ElectronsPerMass(material);
  const double step = std::log(OutermostX / InnermostX) / (CellsPerAtom - 1);
  double logSum = 0.0;
  for (const ElementFraction& part : material.composition) {
    const double z = part.z;
    const double share = part.weight * z / AtomicWeight(part.z) / electronsPerMass;
    const double screeningLength = 0.8853 * std::cbrt(1.0 / z);  // Bohr radii
    std::vector<PlasmaCell> cells;
    double total = 0.0;
    for (int i = 0; i < CellsPerAtom; ++i) {
      const double x = InnermostX * std::exp(i * step);
      double s = 0.0;
      for (std::size_t j = 0; j < MoliereA.size(); ++j) {
        s += MoliereA[j] * MoliereB[j] * MoliereB[j] * std::exp(-MoliereB[j] * x);
      }
      // Electrons in the shell: Z x^2 s d(ln x); density n = Z s / (4 pi a^3 x).
      const double electrons = x * x * s * step;
      const double density =
          z * s / (4.0 * std::numbers::pi * screeningLength * screeningLength * screeningLength * x);
      PlasmaCell cell;
      cell.electronShare = electrons;
      cell.logPlasmaEnergy = std::log(HartreeEv * std::sqrt(4.0 * std::numbers::pi * density));
      cell.fermiVelocity2 = std::pow(3.0 * std::numbers::pi * std::numbers::pi * density, 2.0 / 3.0);
      cells.push_back(cell);
      total += electrons;
    }
    for (PlasmaCell& cell : cells) {
      cell.electronShare *= share / total;
      logSum += cell.electronShare * cell.logPlasmaEnergy;
      model.cells.push_back(cell);
    }
  }
  // One factor on all plasma energies makes the local logarithms average to ln I.
  model.logMeanExcitation = std::log(material.meanExcitationEnergy);
  const double logScale = model.logMeanExcitation - logSum;
  for (PlasmaCell& cell : model.cells) cell.logPlasmaEnergy += logScale;
  return model;
}

double LocalPlasmaShellTerm(const LocalPlasmaModel& model, const Kinematics& k) {
  const double logTransfer = std::log(2.0 * ElectronMassMeV * 1e6 * k.eta2);
  const double velocity2 = k.beta2 * InverseFineStructure * InverseFineStructure;
  double stoppingNumber = 0.0;
  for (const PlasmaCell& cell : model.cells) {
    const double local = logTransfer - cell.logPlasmaEnergy - FermiMotionWeight * cell.fermiVelocity2 / velocity2;
    if (local > 0.0) stoppingNumber += cell.electronShare * local;
  }
  return logTransfer - model.logMeanExcitation - stoppingNumber;
}

}  // namespace alphastop::tables
