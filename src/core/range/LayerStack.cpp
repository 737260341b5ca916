#include "core/range/LayerStack.h"

#include <algorithm>
#include <string>

#include "core/range/RangeChecks.h"
#include "core/range/RangeInterpolation.h"

namespace alphastop {

Checked<LayerCrossing> CrossLayer(const MaterialTable& material, double thickness,
                                  double energyIn) {
  if (auto no = CheckThicknessGiven(thickness)) return *no;
  const auto rangeIn = CsdaRangeAtEnergy(material, energyIn);
  if (const auto* no = std::get_if<Refusal>(&rangeIn)) return *no;
  if (thickness == 0)
    return LayerCrossing{.energyIn = energyIn, .energyOut = energyIn, .stopDepth = {}};

  const double rangeLeft = std::get<double>(rangeIn) - thickness;
  // Below row 1's range the table cannot follow the particle: it counts as stopped, and
  // never beyond the layer's far side, where it would be left with less than row 1's energy.
  if (rangeLeft < material.RangeData(1, CsdaRange))
    return LayerCrossing{.energyIn = energyIn,
                         .energyOut = 0,
                         .stopDepth = std::min(std::get<double>(rangeIn), thickness)};
  const auto energyOut = EnergyFromCsdaRange(material, rangeLeft);
  if (const auto* no = std::get_if<Refusal>(&energyOut)) return *no;
  return LayerCrossing{
      .energyIn = energyIn, .energyOut = std::get<double>(energyOut), .stopDepth = {}};
}

Checked<StackCrossing> CrossLayers(std::span<const Layer> layers, double energyIn) {
  if (auto no = CheckEnergyGiven(energyIn)) return *no;
  StackCrossing stack{.layers = {}, .energyOut = energyIn};
  for (std::size_t k = 0; k < layers.size() && !stack.Stopped(); ++k) {
    const auto inLayer = [&](const std::string& why) {
      return Refusal{"layer " + std::to_string(k + 1) + ": " + why};
    };
    if (!layers[k].material) return inLayer("no material is given");
    const auto crossing = CrossLayer(*layers[k].material, layers[k].thickness, stack.energyOut);
    if (const auto* no = std::get_if<Refusal>(&crossing)) return inLayer(no->message);
    stack.layers.push_back(std::get<LayerCrossing>(crossing));
    stack.energyOut = stack.layers.back().energyOut;
  }
  return stack;
}

}  // namespace alphastop
