#include "core/physics/NuclearStopping.h"

#include "core/materials/Elements.h"
#include "core/physics/PhysicalConstants.h"

#include <array>
#include <cmath>

namespace alphastop::tables {
namespace {

double ScreeningSum(int z2) { return std::pow(HeliumCharge, 0.23) + std::pow(z2, 0.23); }

// s_n(epsilon) of the universal potential at log10(epsilon) = -4, -3.9, ..., 6, from the
// classical scattering integral (IntegrateReducedNuclearStopping, UniversalScattering.h).
constexpr double TableFirstLog10 = -4.0;
constexpr double TableStepLog10 = 0.1;
constexpr std::array<double, 101> UniversalReducedStopping{
    1.445808e-02, 1.667086e-02, 1.919295e-02, 2.206188e-02, 2.531819e-02, 2.900520e-02,
    3.316862e-02, 3.785594e-02, 4.311563e-02, 4.899612e-02, 5.554455e-02, 6.280527e-02,
    7.081818e-02, 7.961689e-02, 8.922692e-02, 9.966380e-02, 1.109314e-01, 1.230205e-01,
    1.359073e-01, 1.495524e-01, 1.638995e-01, 1.788742e-01, 1.943820e-01, 2.103059e-01,
    2.265030e-01, 2.428013e-01, 2.589953e-01, 2.748437e-01, 2.900676e-01, 3.043521e-01,
    3.173521e-01, 3.287020e-01, 3.380327e-01, 3.449919e-01, 3.492689e-01, 3.506202e-01,
    3.488916e-01, 3.440339e-01, 3.361092e-01, 3.252874e-01, 3.118345e-01, 2.960958e-01,
    2.784756e-01, 2.594180e-01, 2.393871e-01, 2.188480e-01, 1.982477e-01, 1.779975e-01,
    1.584567e-01, 1.399209e-01, 1.226141e-01, 1.066881e-01, 9.222558e-02, 7.924850e-02,
    6.772899e-02, 5.760105e-02, 4.877214e-02, 4.113336e-02, 3.456801e-02, 2.895814e-02,
    2.418931e-02, 2.015378e-02, 1.675247e-02, 1.389588e-02, 1.150435e-02, 9.507798e-03,
    7.845210e-03, 6.463870e-03, 5.318563e-03, 4.370729e-03, 3.587655e-03, 2.941711e-03,
    2.409646e-03, 1.971962e-03, 1.612357e-03, 1.317239e-03, 1.075299e-03, 8.771502e-04,
    7.150173e-04, 5.824691e-04, 4.741956e-04, 3.858190e-04, 3.137361e-04, 2.549833e-04,
    2.071257e-04, 1.681685e-04, 1.364755e-04, 1.107066e-04, 8.976322e-05, 7.275268e-05,
    5.894319e-05, 4.773731e-05, 3.865042e-05, 3.128833e-05, 2.530996e-05, 2.048349e-05,
    1.656361e-05, 1.340515e-05, 1.085808e-05, 8.793200e-06, 7.122461e-06};

// ZBL's fitting formula for the same function, used to extend the table beyond its ends.
double ZieglerBiersackLittmarkFit(double eps) {
  if (eps > 30.0) return std::log(eps) / (2.0 * eps);
  return std::log1p(1.1383 * eps) /
         (2.0 * (eps + 0.01321 * std::pow(eps, 0.21226) + 0.19593 * std::sqrt(eps)));
}

}  // namespace

double ReducedNuclearStopping(double eps) {
  const double position = (std::log10(eps) - TableFirstLog10) / TableStepLog10;
  const int last = static_cast<int>(UniversalReducedStopping.size()) - 1;
  if (position <= 0.0) {
    const double edge = std::pow(10.0, TableFirstLog10);
    return ZieglerBiersackLittmarkFit(eps) * UniversalReducedStopping.front() /
           ZieglerBiersackLittmarkFit(edge);
  }
  if (position >= last) {
    const double edge = std::pow(10.0, TableFirstLog10 + last * TableStepLog10);
    return ZieglerBiersackLittmarkFit(eps) * UniversalReducedStopping.back() /
           ZieglerBiersackLittmarkFit(edge);
  }
  // Linear in ln s against ln epsilon.
  const int i = static_cast<int>(position);
  const double t = position - i;
  return std::exp((1.0 - t) * std::log(UniversalReducedStopping[static_cast<std::size_t>(i)]) +
                  t * std::log(UniversalReducedStopping[static_cast<std::size_t>(i + 1)]));
}

double ReducedEnergy(int z2, double m2, double energyMeV) {
  return 32.53 * m2 * energyMeV * 1000.0 /
         (HeliumCharge * z2 * (HeliumMassU + m2) * ScreeningSum(z2));
}

double NuclearStoppingPerAtom(int z2, double m2, double energyMeV) {
  return 8.462 * HeliumCharge * z2 * HeliumMassU *
         ReducedNuclearStopping(ReducedEnergy(z2, m2, energyMeV)) /
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
