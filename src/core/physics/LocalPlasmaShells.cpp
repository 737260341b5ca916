#include "core/physics/LocalPlasmaShells.h"

#include "core/physics/AtomicDensities.h"
#include "core/materials/Elements.h"
#include "core/physics/PhysicalConstants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace alphastop::tables {
namespace {

// Radial cells of each atom, equally spaced in ln r (Bohr radii).
constexpr int CellsPerAtom = 160;
constexpr double InnermostRadius = 1e-5;
constexpr double OutermostRadius = 50.0;

// Weight of the Fermi-motion term: 3/5 v_F^2 is the mean square electron velocity of a free gas.
constexpr double FermiMotionWeight = 0.6;

// C(chi) = (ln(1 + 1/chi^2) - 1/(1 + chi^2)) / 2 with chi^2 = e^2 / (pi hbar v_F) = 1 / (pi v_F)
// in atomic units: the low-velocity stopping number of a free electron gas is (v/v_F)^3 C(chi).
double SlowStoppingNumber(double fermiVelocity) {
  const double chi2 = 1.0 / (std::numbers::pi * fermiVelocity);
  return 0.5 * (std::log1p(1.0 / chi2) - 1.0 / (1.0 + chi2));
}

}  // namespace

LocalPlasmaModel MakeLocalPlasmaModel(const Material& material) {
  LocalPlasmaModel model;
  const double electronsPerMass = ElectronsPerMass(material);
  const double step = std::log(OutermostRadius / InnermostRadius) / (CellsPerAtom - 1);
  double logSum = 0.0;
  for (const ElementFraction& part : material.composition) {
    const double share = part.weight * part.z / AtomicWeight(part.z) / electronsPerMass;
    std::vector<PlasmaCell> cells;
    double total = 0.0;
    for (int i = 0; i < CellsPerAtom; ++i) {
      const double r = InnermostRadius * std::exp(i * step);
      const double density = AtomicElectronDensity(part.z, r);
      if (!(density > 0.0)) continue;  // beyond the reach of double precision
      const double electrons = 4.0 * std::numbers::pi * r * r * r * density * step;
      PlasmaCell cell;
      cell.electronShare = electrons;
      cell.logPlasmaEnergy = std::log(HartreeEv * std::sqrt(4.0 * std::numbers::pi * density));
      cell.fermiVelocity2 =
          std::pow(3.0 * std::numbers::pi * std::numbers::pi * density, 2.0 / 3.0);
      cell.slowStoppingNumber = SlowStoppingNumber(std::sqrt(cell.fermiVelocity2));
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
    const double ratio2 = velocity2 / cell.fermiVelocity2;  // (v / v_F)^2
    double local = logTransfer - cell.logPlasmaEnergy - FermiMotionWeight / ratio2;
    if (local < cell.slowStoppingNumber) {
      const double capped = std::min(ratio2, 1.0);
      local = std::max(local, cell.slowStoppingNumber * capped * std::sqrt(capped));
    }
    stoppingNumber += cell.electronShare * local;
  }
  return logTransfer - model.logMeanExcitation - stoppingNumber;
}

}  // namespace alphastop::tables
