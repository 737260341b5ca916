#include "core/range/Stack.h"

#include <algorithm>

#include "core/range/LayerStack.h"
#include "core/text/CharacterClass.h"
#include "core/units/QuantityText.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

std::optional<double> Micrometres(const std::optional<double>& arealDensity,
                                  const std::optional<double>& density) {
  if (!arealDensity || !density) return std::nullopt;
  return ArealDensityToMicrometres(*arealDensity, *density);
}

// The layer's own faults, before any energy enters it; the table where there is none.
const MaterialTable* Prepare(const LayerInput& input, MaterialCache& materials,
                             LayerResult& result) {
  const Checked<LoadedMaterial>& loaded = materials.Load(input.material);
  if (const Refusal* no = Refused(loaded)) {
    result.state = LayerState::Refused;
    result.refusal = *no;
    return nullptr;
  }
  const LoadedMaterial& material = std::get<LoadedMaterial>(loaded);
  result.material = material.name;
  result.density = material.table.density;
  const Checked<double> thickness = ParseArealDensity(input.thickness, material.table.density);
  if (const Refusal* no = Refused(thickness)) {
    result.state = LayerState::Refused;
    result.refusal = *no;
    return nullptr;
  }
  result.thickness = std::get<double>(thickness);
  return &material.table;
}

}  // namespace

std::optional<double> LayerResult::ThicknessMicrometres() const {
  return Micrometres(thickness, density);
}

std::optional<double> LayerResult::StopDepthMicrometres() const {
  return Micrometres(stopDepth, density);
}

bool StackResult::Stopped() const {
  return std::ranges::any_of(
      layers, [](const LayerResult& layer) { return layer.state == LayerState::StoppedIn; });
}

std::optional<Refusal> StackResult::FirstRefusal() const {
  if (energyRefusal) return energyRefusal;
  for (std::size_t k = 0; k < layers.size(); ++k)
    if (layers[k].refusal) {
      Refusal refusal = *layers[k].refusal;
      refusal.message = "layer " + std::to_string(k + 1) + ": " + refusal.message;
      return refusal;
    }
  return std::nullopt;
}

StackResult EvaluateStack(const StackInput& input, MaterialCache& materials) {
  StackResult result;
  std::vector<const MaterialTable*> tables;
  for (const LayerInput& layer : input.layers)
    tables.push_back(Prepare(layer, materials, result.layers.emplace_back()));
  if (TrimSpace(input.energy).empty()) return result;
  const Checked<double> energy = ParseEnergy(input.energy);
  if (const Refusal* no = Refused(energy)) {
    result.energyRefusal = *no;
    return result;
  }
  result.energy = result.energyOut = std::get<double>(energy);
  for (std::size_t k = 0; k < tables.size(); ++k) {
    LayerResult& layer = result.layers[k];
    if (!tables[k]) break;
    const Checked<LayerCrossing> crossing =
        CrossLayer(*tables[k], *layer.thickness, result.energyOut);
    if (const Refusal* no = Refused(crossing)) {
      layer.state = LayerState::Refused;
      layer.refusal = *no;
      break;
    }
    const LayerCrossing& c = std::get<LayerCrossing>(crossing);
    layer.state = c.stopDepth ? LayerState::StoppedIn : LayerState::Crossed;
    layer.energyIn = c.energyIn;
    layer.energyOut = c.energyOut;
    layer.energyLost = c.energyIn - c.energyOut;
    layer.stopDepth = c.stopDepth;
    result.energyOut = c.energyOut;
    if (c.stopDepth) break;
  }
  return result;
}

}  // namespace alphastop
