// Arbitrary text as a stack: line 1 the energy, line 2 the angle, each further line a layer
// MATERIAL:THICKNESS[,pressure=P][,temperature=T][,density=D] (materials written out, or names
// that no table has). Every layer either says why it cannot be worked out or, where reached,
// loses energy within what it had along a path no shorter than its thickness, with a finite
// spread; nothing after a stop or a fault is reached, and the first fault is the stack's.

#include <sstream>

#include "core/data/TextEncoding.h"

#include "FuzzCheck.h"
#include "core/range/LayerText.h"
#include "core/range/Stack.h"

using namespace alphastop;
using alphastop::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024) return 0;
  static MaterialCache materials;  // no catalog: names are refused, written-out ones computed
  static int runs = 0;
  if (++runs % 1000 == 0) materials.SetCatalog({});  // bounded memory
  std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
  StackInput input;
  std::getline(lines, input.energy);
  std::getline(lines, input.angle);
  for (std::string line; std::getline(lines, line) && input.layers.size() < 8;) {
    const Checked<LayerInput> layer = ParseLayerText(line);
    if (const Refusal* no = Refused(layer))
      Require(no->message.starts_with(QuotedText(line)), "a layer's refusal quotes it", line);
    input.layers.push_back(ValueOf(layer) ? *ValueOf(layer) : LayerInput{.material = line});
  }
  const StackResult stack = EvaluateStack(input, materials);
  Require(stack.layers.size() == input.layers.size(), "one result for each layer");
  bool blocked = !stack.energy || stack.angleRefusal,
       anyRefused = stack.energyRefusal || stack.angleRefusal;
  double energy = stack.energy.value_or(0);
  for (const LayerResult& layer : stack.layers) {
    anyRefused |= layer.refusal.has_value();
    Require(layer.refusal.has_value() == (layer.state == LayerState::Refused),
            "a refused layer says why, and only a refused one");
    if (layer.refusal) Require(!layer.refusal->message.empty(), "a layer's message is not empty");
    if (blocked) {
      Require(layer.state == LayerState::NotReached || layer.state == LayerState::Refused,
              "nothing is reached after a stop, a fault or without an energy");
      continue;
    }
    if (layer.state == LayerState::Refused) {
      blocked = true;
      continue;
    }
    Require(layer.energyIn == energy, "a layer is entered with what the one before left");
    Require(layer.density.value_or(1) > 0 && std::isfinite(layer.density.value_or(1)) &&
                *layer.path >= *layer.thickness,
            "a layer's density is above zero and its path no shorter than its thickness");
    Require(!layer.straggling || (std::isfinite(*layer.straggling) && *layer.straggling >= 0),
            "the spread of the energy out is finite");
    Require(std::isfinite(layer.energyOut) && layer.energyOut >= 0 &&
                layer.energyOut <= layer.energyIn &&
                layer.energyLost == layer.energyIn - layer.energyOut,
            "a layer loses energy within what it had");
    if (layer.state == LayerState::StoppedIn) {
      Require(layer.energyOut == 0 && layer.stopDepth && *layer.stopDepth >= 0 &&
                  *layer.stopDepth <= *layer.thickness * (1 + 1e-12),
              "a stop lies within the layer");
      blocked = true;
    }
    energy = layer.energyOut;
  }
  Require(stack.FirstRefusal().has_value() == anyRefused, "the stack's fault is its first");
  return 0;
}
