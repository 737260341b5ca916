#include "core/physics/RangeIntegration.h"

#include <algorithm>
#include <cmath>

namespace alphastop::tables {
namespace {

constexpr int StepsPerDecadeBelowTable = 24;
constexpr int StepsPerTableInterval = 8;  // even, for Simpson's rule

struct Node {
  double energy;
  double pathPerLog;     // dE/S per unit of ln E: E/S, g/cm2
  double turningPerLog;  // k E/S per unit of ln E
};

Node MakeNode(double energy, const std::function<double(double)>& totalStopping,
              const std::function<double(double)>& transportPerMass) {
  const double path = energy / totalStopping(energy);
  return {energy, path, transportPerMass(energy) * path};
}

// Running state of the integration, advanced over one logarithmic step at a time.
struct Integrals {
  double csda = 0.0;
  double projected = 0.0;
};

// Advances both integrals over the double step [a, end] with midpoint `mid` (Simpson's rule in
// ln E). Along the projected range the memory of the direction decays by exp(-dQ), with Q the
// integral of k ds, and each piece of path counts with the decay it still suffers up to `end`.
void AdvanceDoubleStep(Integrals& state, const Node& a, const Node& mid, const Node& end,
                       double h) {
  state.csda += h / 3.0 * (a.pathPerLog + 4.0 * mid.pathPerLog + end.pathPerLog);
  const double decayMid = std::exp(-0.5 * h * (mid.turningPerLog + end.turningPerLog));
  const double decayA = decayMid * std::exp(-0.5 * h * (a.turningPerLog + mid.turningPerLog));
  state.projected =
      state.projected * decayA +
      h / 3.0 * (a.pathPerLog * decayA + 4.0 * mid.pathPerLog * decayMid + end.pathPerLog);
}

}  // namespace

Ranges IntegrateRanges(const std::function<double(double)>& totalStopping,
                       const std::function<double(double)>& transportPerMass,
                       const std::vector<double>& energies) {
  Ranges result;
  result.csda.reserve(energies.size());
  result.projected.reserve(energies.size());
  if (energies.empty()) return result;

  Node previous = MakeNode(PathStartMeV, totalStopping, transportPerMass);
  Integrals state;

  // Simpson over pairs of logarithmic steps from `previous` to `target`.
  const auto advanceTo = [&](double target, int steps) {
    const double h = std::log(target / previous.energy) / steps;
    for (int i = 0; i < steps; i += 2) {
      const Node mid = MakeNode(previous.energy * std::exp(h), totalStopping, transportPerMass);
      const Node end = i + 2 == steps ? MakeNode(target, totalStopping, transportPerMass)
                                      : MakeNode(previous.energy * std::exp(2 * h), totalStopping,
                                                 transportPerMass);
      AdvanceDoubleStep(state, previous, mid, end, h);
      previous = end;
    }
  };

  const double decades = std::log10(energies.front() / PathStartMeV);
  int steps = std::max(2, static_cast<int>(std::ceil(decades * StepsPerDecadeBelowTable)));
  steps += steps % 2;
  advanceTo(energies.front(), steps);
  result.csda.push_back(state.csda);
  result.projected.push_back(state.projected);
  for (std::size_t i = 1; i < energies.size(); ++i) {
    advanceTo(energies[i], StepsPerTableInterval);
    result.csda.push_back(state.csda);
    result.projected.push_back(state.projected);
  }
  return result;
}

}  // namespace alphastop::tables
