#include "core/physics/UniversalScattering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace alphastop::tables {
namespace {

constexpr std::array<double, 4> ScreeningC{0.18175, 0.50986, 0.28022, 0.028171};
constexpr std::array<double, 4> ScreeningD{3.1998, 0.94229, 0.4029, 0.20162};

// 1 - phi(x)/(x eps) - p^2/x^2: positive beyond the distance of closest approach.
double Radial(double x, double p, double eps) {
  return 1.0 - UniversalScreening(x) / (x * eps) - p * p / (x * x);
}

// Distance of closest approach by bisection in ln x.
double ClosestApproach(double p, double eps) {
  double low = 1e-12;
  double high = p + 1.0 / eps + 10.0;
  while (Radial(high, p, eps) <= 0.0) high *= 2.0;
  for (int i = 0; i < 200 && high / low > 1.0 + 1e-13; ++i) {
    const double mid = std::sqrt(low * high);
    if (Radial(mid, p, eps) > 0.0)
      high = mid;
    else
      low = mid;
  }
  return high;
}

}  // namespace

double UniversalScreening(double x) {
  double phi = 0.0;
  for (std::size_t i = 0; i < ScreeningC.size(); ++i)
    phi += ScreeningC[i] * std::exp(-ScreeningD[i] * x);
  return phi;
}

double ScatteringAngle(double p, double eps) {
  // theta = pi - 2 p / x0 * integral over u = x0/x from 0 to 1 of du / sqrt(F(u)), with
  // F(u) = (1 - u^2) H(u): Gauss-Chebyshev nodes on [0, 1] take out the square-root zero.
  constexpr int Nodes = 80;
  const double x0 = ClosestApproach(p, eps);
  double sum = 0.0;
  for (int j = 1; j <= Nodes; ++j) {
    const double u = std::cos((2 * j - 1) * std::numbers::pi / (4 * Nodes));
    const double h = Radial(x0 / u, p, eps) / (1.0 - u * u);
    sum += 1.0 / std::sqrt(std::max(h, 1e-300));
  }
  return std::numbers::pi - 2.0 * p / x0 * std::numbers::pi / (2 * Nodes) * sum;
}

double IntegrateReducedNuclearStopping(double eps) {
  constexpr int Steps = 1000;
  const double lowest = std::min(1e-8, 1e-4 / eps);
  const double highest = 2e3;
  const double step = std::log(highest / lowest) / Steps;
  double sum = 0.0;
  for (int i = 0; i < Steps; ++i) {
    const double p = lowest * std::exp((i + 0.5) * step);
    const double half = std::sin(0.5 * ScatteringAngle(p, eps));
    sum += half * half * 2.0 * p * p * step;  // d(p^2) = 2 p^2 d(ln p)
  }
  return eps * sum;
}

}  // namespace alphastop::tables
