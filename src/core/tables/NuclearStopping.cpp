#include "core/tables/NuclearStopping.h"

#include "core/tables/Elements.h"

#include <cmath>

namespace alphastop::tables {
namespace {

constexpr double AvogadroPer1e21 = 602.214076;  // N_A * 1e-21
constexpr double HeliumZ = 2.0;

double ScreeningSum(int z2) { return std::pow(HeliumZ, 0.23) + std::pow(z2, 0.23); }

}  // namespace

double ReducedNuclearStopping(double eps) {
  if (eps > 30.0) return std::log(eps) / (2.0 * eps);
  return std::log1p(1.1383 * eps) /
         (2.0 * (eps + 0.01321 * std::pow(eps, 0.21226) + 0.19593 * std::sqrt(eps)));
}

double ReducedEnergy(int z2, double m2, double energyMeV) {
  return 32.53 * m2 * energyMeV * 1000.0 /
         (HeliumZ * z2 * (HeliumMassU + m2) * ScreeningSum(z2));
}

double NuclearStoppingPerAtom(int z2, double m2, double energyMeV) {
  return 8.462 * HeliumZ * z2 * HeliumMassU * ReducedNuclearStopping(ReducedEnergy(z2, m2, energyMeV)) /
         ((HeliumMassU + m2) * ScreeningSum(z2));
}

double NuclearStopping(const Material& material, double energyMeV) {
  double sum = 0.0;
  for (const ElementFraction& part : material.composition) {
    const double a = AtomicWeight(part.z);
    sum += part.weight * NuclearStoppingPerAtom(part.z, a, energyMeV) * AvogadroPer1e21 / a;
  }
  return sum;
}

double TransportCrossSectionPerMass(const Material& material, double energyMeV) {
  double sum = 0.0;
  const double energyEv = energyMeV * 1e6;
  for (const ElementFraction& part : material.composition) {
    const double a = AtomicWeight(part.z);
    const double stoppingEvCm2 = NuclearStoppingPerAtom(part.z, a, energyMeV) * 1e-15;
    const double sigma = stoppingEvCm2 * a / (2.0 * HeliumMassU * energyEv);
    sum += part.weight * sigma * AvogadroPer1e21 * 1e21 / a;
  }
  return sum;
}

}  // namespace alphastop::tables
