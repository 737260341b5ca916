#include "core/physics/AtomicDensities.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace alphastop::tables {
namespace {

// Moliere's screening function: phi(x) = sum a_i exp(-b_i x), x = r / a_TF.
constexpr std::array<double, 3> MoliereA{0.35, 0.55, 0.10};
constexpr std::array<double, 3> MoliereB{0.3, 1.2, 6.0};

// Density of one electron in a Slater orbital of principal number n and exponent zeta:
// (2 zeta)^(2n+1) / (2n)! r^(2n-2) e^(-2 zeta r) / (4 pi).
double SlaterOrbitalDensity(int n, double zeta, double r) {
  const double twoZeta = 2.0 * zeta;
  const double norm = std::pow(twoZeta, 2 * n + 1) / std::tgamma(2.0 * n + 1.0);
  return norm * std::pow(r, 2 * n - 2) * std::exp(-twoZeta * r) / (4.0 * std::numbers::pi);
}

}  // namespace

double ThomasFermiDensity(int z, double r) {
  const double screeningLength = 0.8853 / std::cbrt(static_cast<double>(z));  // Bohr radii
  const double x = r / screeningLength;
  double s = 0.0;  // phi''(x)
  for (std::size_t j = 0; j < MoliereA.size(); ++j) {
    s += MoliereA[j] * MoliereB[j] * MoliereB[j] * std::exp(-MoliereB[j] * x);
  }
  // The Thomas-Fermi equation phi'' = phi^(3/2) / x^(1/2) gives n = Z phi''(x) / (4 pi a^3 x).
  return z * s / (4.0 * std::numbers::pi * screeningLength * screeningLength * screeningLength * x);
}

double SlaterDensity(int z, double r) {
  const int inner = std::min(z, 2);  // 1s electrons
  const int outer = z - inner;       // 2s and 2p electrons
  // Slater's rules: 0.30 from the other 1s electron; 0.85 from each 1s and 0.35 from each other
  // n = 2 electron for the L shell.
  const double zetaK = z - 0.30 * (inner - 1);
  const double zetaL = (z - 0.85 * inner - 0.35 * std::max(outer - 1, 0)) / 2.0;
  double density = inner * SlaterOrbitalDensity(1, zetaK, r);
  if (outer > 0) density += outer * SlaterOrbitalDensity(2, zetaL, r);
  return density;
}

double AtomicElectronDensity(int z, double r) {
  return z <= LastSlaterAtom ? SlaterDensity(z, r) : ThomasFermiDensity(z, r);
}

}  // namespace alphastop::tables
