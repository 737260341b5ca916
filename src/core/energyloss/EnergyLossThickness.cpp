#include "core/energyloss/EnergyLossThickness.h"

#include "core/range/RangeInterpolation.h"

namespace alphastop {

Checked<double> ThicknessFromEnergyLoss(const MaterialTable& table, double energyIn,
                                        double energyOut) {
  const auto rangeIn = CsdaRangeAtEnergy(table, energyIn);
  if (const auto* no = std::get_if<Refusal>(&rangeIn)) return Refusal{"energy in: " + no->message};
  const auto rangeOut = CsdaRangeAtEnergy(table, energyOut);
  if (const auto* no = std::get_if<Refusal>(&rangeOut))
    return Refusal{"energy out: " + no->message};
  if (!(energyOut < energyIn)) return Refusal{"the energy out must be less than the energy in"};
  return std::get<double>(rangeIn) - std::get<double>(rangeOut);
}

}  // namespace alphastop
