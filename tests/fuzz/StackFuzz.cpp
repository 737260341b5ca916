// Arbitrary text as a stack: line 1 the energy, each further line a layer MATERIAL:THICKNESS
// (materials written out, or names that no table has). Every layer either says why it cannot
// be worked out or, where reached, loses energy within what it had; nothing after a stop or
// a fault is reached, and the first fault is the stack's.

#include <sstream>

#include "FuzzCheck.h"
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
  for (std::string line; std::getline(lines, line) && input.layers.size() < 8;) {
    const std::size_t colon = line.rfind(':');
    input.layers.push_back(colon == std::string::npos
                               ? LayerInput{line, ""}
                               : LayerInput{line.substr(0, colon), line.substr(colon + 1)});
  }
  const StackResult stack = EvaluateStack(input, materials);
  Require(stack.layers.size() == input.layers.size(), "one result for each layer");
  bool blocked = !stack.energy, anyRefused = stack.energyRefusal.has_value();
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
