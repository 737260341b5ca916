#include "core/range/Stack.h"

#include <algorithm>

#include "core/range/LayerStack.h"
#include "core/energyloss/LayerConditions.h"
#include "core/nuclides/Nuclides.h"
#include "core/energyloss/Straggling.h"
#include "core/text/CharacterClass.h"
#include "core/units/ConditionText.h"
#include "core/units/QuantityText.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

std::optional<double> Micrometres(const std::optional<double>& arealDensity,
                                  const std::optional<double>& density) {
  if (!arealDensity || !density) return std::nullopt;
  return ArealDensityToMicrometres(*arealDensity, *density);
}

// A condition typed into value, where one is typed; its refusal otherwise.
std::optional<Refusal> ReadCondition(const std::string& text,
                                     Checked<double> (*parse)(std::string_view),
                                     std::optional<double>& value) {
  if (TrimSpace(text).empty()) return std::nullopt;
  const Checked<double> read = parse(text);
  if (const Refusal* no = Refused(read)) return *no;
  value = *ValueOf(read);
  return std::nullopt;
}

// What the layer's texts say of its matter: its density as it stands and its thickness.
std::optional<Refusal> ReadLayer(const LayerInput& input, const MaterialTable& table,
                                 LayerResult& result) {
  LayerConditions conditions;
  if (auto no = ReadCondition(input.pressure, ParsePressure, conditions.pressure)) return no;
  if (auto no = ReadCondition(input.temperature, ParseTemperature, conditions.temperature))
    return no;
  if (auto no = ReadCondition(input.density, ParseDensity, conditions.density)) return no;
  const Checked<std::optional<double>> density = LayerDensity(table, conditions);
  if (const Refusal* no = Refused(density)) return *no;
  result.density = *ValueOf(density);
  const Checked<double> thickness = ParseArealDensity(input.thickness, result.density);
  if (const Refusal* no = Refused(thickness)) return *no;
  result.thickness = *ValueOf(thickness);
  return std::nullopt;
}

// The texts read, and each layer's own faults found, before any energy enters the stack.
struct PreparedStack {
  StackResult result;
  std::vector<const MaterialTable*> tables;  // each layer's; nullptr where it is refused
};

const MaterialTable* PrepareLayer(const LayerInput& input, const StackResult& stack,
                                  MaterialCache& materials, LayerResult& result) {
  const Checked<LoadedMaterial>& loaded = materials.Load(input.material);
  std::optional<Refusal> refusal;
  if (const Refusal* no = Refused(loaded)) {
    refusal = *no;
  } else {
    const MaterialTable& table = ValueOf(loaded)->table;
    result.material = ValueOf(loaded)->name;
    result.gas = table.phase == TablePhase::Gas;
    refusal = ReadLayer(input, table, result);
    if (!refusal && !stack.angleRefusal) {
      const Checked<double> path = PathThickness(*result.thickness, stack.angle);
      if (const Refusal* no = Refused(path))
        refusal = *no;
      else
        result.path = *ValueOf(path);
    }
    if (!refusal) return result.table = &table;
  }
  result.state = LayerState::Refused;
  result.refusal = std::move(refusal);
  return nullptr;
}

PreparedStack Prepare(const StackInput& input, MaterialCache& materials) {
  PreparedStack stack;
  StackResult& result = stack.result;
  if (!TrimSpace(input.angle).empty()) {
    const Checked<double> angle = ParseAngle(input.angle);
    if (const Refusal* no = Refused(angle))
      result.angleRefusal = *no;
    else
      result.angle = *ValueOf(angle);
  }
  for (const LayerInput& layer : input.layers)
    stack.tables.push_back(PrepareLayer(layer, result, materials, result.layers.emplace_back()));
  if (!TrimSpace(input.energy).empty()) {
    const Checked<double> energy = ParseEnergyOrNuclide(input.energy);
    if (const Refusal* no = Refused(energy))
      result.energyRefusal = *no;
    else
      result.energy = result.energyOut = *ValueOf(energy);
  }
  return stack;
}

// The spread of the energy leaving a layer crossed, from the spread entering it; nullopt
// where either is unknown.
std::optional<double> SpreadOut(const MaterialTable& table, const LayerResult& layer,
                                std::optional<double> spreadIn) {
  if (!spreadIn) return std::nullopt;
  const Checked<double> out =
      EnergyStragglingOut(table, layer.energyIn, layer.energyOut, *spreadIn);
  if (const double* sigma = ValueOf(out)) return *sigma;
  return std::nullopt;
}

}  // namespace

std::optional<double> LayerResult::ThicknessMicrometres() const {
  return Micrometres(thickness, density);
}

std::optional<double> LayerResult::StopDepthMicrometres() const {
  return Micrometres(stopDepth, density);
}

std::optional<double> LayerResult::StragglingFwhmKeV() const {
  if (!straggling) return std::nullopt;
  return *straggling * FwhmPerSigma * 1e3;
}

bool StackResult::Stopped() const {
  return std::ranges::any_of(
      layers, [](const LayerResult& layer) { return layer.state == LayerState::StoppedIn; });
}

std::optional<Refusal> StackResult::FirstRefusal() const {
  if (energyRefusal) return energyRefusal;
  if (angleRefusal) return angleRefusal;
  for (std::size_t k = 0; k < layers.size(); ++k)
    if (layers[k].refusal) {
      Refusal refusal = *layers[k].refusal;
      refusal.message = "layer " + std::to_string(k + 1) + ": " + refusal.message;
      return refusal;
    }
  return std::nullopt;
}

StackResult EvaluateStack(const StackInput& input, MaterialCache& materials) {
  PreparedStack prepared = Prepare(input, materials);
  StackResult& result = prepared.result;
  if (!result.energy || result.angleRefusal) return result;
  std::optional<double> spread = 0.0;
  for (std::size_t k = 0; k < prepared.tables.size(); ++k) {
    LayerResult& layer = result.layers[k];
    if (!prepared.tables[k]) return result;
    const MaterialTable& table = *prepared.tables[k];
    const Checked<LayerCrossing> crossing = CrossLayer(table, *layer.path, result.energyOut);
    if (const Refusal* no = Refused(crossing)) {
      layer.state = LayerState::Refused;
      layer.refusal = *no;
      return result;
    }
    const LayerCrossing& c = *ValueOf(crossing);
    layer.energyIn = c.energyIn;
    layer.energyOut = result.energyOut = c.energyOut;
    layer.energyLost = c.energyIn - c.energyOut;
    if (c.stopDepth) {
      layer.state = LayerState::StoppedIn;
      // Along the track it stops at c.stopDepth, which is its depth across the layer only
      // at normal incidence.
      layer.stopDepth = *layer.path > 0 ? *c.stopDepth * (*layer.thickness / *layer.path) : 0;
      return result;
    }
    layer.state = LayerState::Crossed;
    layer.straggling = spread = SpreadOut(table, layer, spread);
  }
  result.straggling = spread;
  return result;
}

Checked<DepthProfile> StackDepthProfile(const StackResult& stack) {
  if (auto no = stack.FirstRefusal()) return *no;
  if (!stack.energy) return Refusal{"no energy is given"};
  std::vector<DepthLayer> layers;
  for (const LayerResult& layer : stack.layers)
    layers.push_back({layer.table, *layer.path, layer.density});
  return ProfileThroughLayers(layers, *stack.energy);
}

Checked<DepthProfile> StackDepthProfile(const StackInput& input, MaterialCache& materials) {
  return StackDepthProfile(EvaluateStack(input, materials));
}

}  // namespace alphastop
