#include "core/physics/BetheCorrections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace alphastop::tables {
namespace {

// The function F(w) of Ashley, Ritchie and Brandt, w = b / sqrt(x), x = beta^2 / (alpha^2 Z2).
constexpr std::array<std::pair<double, double>, 47> BarkasFunction{{
    {0.02, 21.5}, {0.03, 20.0}, {0.04, 18.0}, {0.05, 15.6},  {0.06, 15.0},   {0.07, 14.0},
    {0.08, 13.5}, {0.09, 13.0}, {0.1, 12.2},  {0.2, 9.25},   {0.3, 7.0},     {0.4, 6.0},
    {0.5, 4.5},   {0.6, 3.5},   {0.7, 3.0},   {0.8, 2.5},    {0.9, 2.0},     {1.0, 1.7},
    {1.2, 1.2},   {1.3, 1.0},   {1.4, 0.86},  {1.5, 0.7},    {1.6, 0.61},    {1.7, 0.52},
    {1.8, 0.5},   {1.9, 0.43},  {2.0, 0.42},  {2.1, 0.3},    {2.4, 0.2},     {3.0, 0.13},
    {3.08, 0.1},  {3.1, 0.09},  {3.3, 0.08},  {3.5, 0.07},   {3.8, 0.06},    {4.0, 0.051},
    {4.1, 0.04},  {4.8, 0.03},  {5.0, 0.024}, {5.1, 0.02},   {6.0, 0.013},   {6.5, 0.01},
    {7.0, 0.009}, {7.1, 0.008}, {8.0, 0.006}, {9.0, 0.0032}, {10.0, 0.0025},
}};

double AshleyRitchieBrandt(double w) {
  if (w <= BarkasFunction.front().first) return BarkasFunction.front().second;
  if (w >= BarkasFunction.back().first) {
    return BarkasFunction.back().second * BarkasFunction.back().first / w;
  }
  const auto upper = std::upper_bound(BarkasFunction.begin(), BarkasFunction.end(), w,
                                      [](double v, const auto& p) { return v < p.first; });
  const auto lower = upper - 1;
  const double t = (w - lower->first) / (upper->first - lower->first);
  return lower->second + t * (upper->second - lower->second);
}

// ICRU Report 49's cut-off parameter b of element z, for z < 64 and z != 47.
double BarkasCutOff(int z) {
  if (z == 2) return 0.6;
  if (z <= 10 || z == 18) return 1.8;
  if (z <= 25) return 1.4;
  if (z <= 50) return 1.35;
  return 1.3;
}

}  // namespace

Kinematics HeliumKinematics(double energyMeV) {
  const double gamma = 1.0 + energyMeV / (HeliumMassU * AtomicMassUnitMeV);
  const double eta2 = gamma * gamma - 1.0;
  return {eta2 / (gamma * gamma), eta2};
}

double BetheLogTerm(const Kinematics& k, double meanExcitationEv) {
  return std::log(2.0 * ElectronMassMeV * 1e6 * k.eta2 / meanExcitationEv) - k.beta2;
}

double BarkasTerm(const Kinematics& k, int z2) {
  constexpr int Silver = 47;
  constexpr int FirstHeavy = 64;
  if (z2 == Silver) return 0.006812 * std::pow(k.beta2, -0.45);
  if (z2 >= FirstHeavy) return 0.002833 * std::pow(k.beta2, -0.6);
  const double x = k.beta2 / (FineStructure * FineStructure * z2);
  const double w = BarkasCutOff(z2) / std::sqrt(x);
  return AshleyRitchieBrandt(w) / (std::sqrt(static_cast<double>(z2)) * x * std::sqrt(x));
}

double BlochTerm(const Kinematics& k, double projectileCharge) {
  const double y2 = projectileCharge * projectileCharge * FineStructure * FineStructure / k.beta2;
  double sum = 0.0;
  constexpr int Terms = 200;
  for (int n = 1; n <= Terms; ++n) sum += 1.0 / (n * (n * n + y2));
  sum += 1.0 / (2.0 * Terms * Terms);  // tail of the series
  return -y2 * sum;
}

double DensityEffect(const Kinematics& k, const Material& material) {
  const double plasmaEnergy = 28.816 * std::sqrt(material.density * ElectronsPerMass(material));
  const double cBar = 2.0 * std::log(material.meanExcitationEnergy / plasmaEnergy) + 1.0;
  double x0 = 0.0;
  double x1 = 0.0;
  if (material.phase == Phase::Condensed) {
    if (material.meanExcitationEnergy < 100.0) {
      x1 = 2.0;
      x0 = cBar < 3.681 ? 0.2 : 0.326 * cBar - 1.0;
    } else {
      x1 = 3.0;
      x0 = cBar < 5.215 ? 0.2 : 0.326 * cBar - 1.5;
    }
  } else {
    x1 = 4.0;
    if (cBar < 10.0)
      x0 = 1.6;
    else if (cBar < 10.5)
      x0 = 1.7;
    else if (cBar < 11.0)
      x0 = 1.8;
    else if (cBar < 11.5)
      x0 = 1.9;
    else if (cBar < 12.25)
      x0 = 2.0;
    else {
      x1 = 5.0;
      x0 = cBar < 13.804 ? 2.0 : 0.326 * cBar - 2.5;
    }
  }
  const double x = 0.5 * std::log10(k.eta2);
  if (x < x0) return 0.0;
  const double a = (cBar - 4.606 * x0) / std::pow(x1 - x0, 3.0);
  if (x < x1) return 4.606 * x - cBar + a * std::pow(x1 - x, 3.0);
  return 4.606 * x - cBar;
}

}  // namespace alphastop::tables
