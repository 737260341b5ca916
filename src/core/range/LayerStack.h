#pragma once
// The energy an alpha particle keeps through layers of matter, from the CSDA ranges of
// each layer's table: it leaves a layer of thickness t with E_out = E(R(E_in) - t). Where
// R(E_in) - t falls below row 1's CSDA range the table cannot follow it further: it stops
// in that layer, at a depth of R(E_in) from the layer's entrance, and no later layer is
// reached. Where R(E_in) - t lies between zero and row 1's range the particle would leave
// with less than row 1's energy, which the table cannot follow: it counts as stopped at the
// layer's far side, at depth t.

#include <optional>
#include <span>
#include <vector>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

struct Layer {
  const MaterialTable* material = nullptr;  // not owned; outlives the call
  double thickness = 0;                     // g/cm2
};

struct LayerCrossing {
  double energyIn = 0;              // MeV at the layer's entrance
  double energyOut = 0;             // MeV at its exit; 0 where the particle stops in it
  std::optional<double> stopDepth;  // g/cm2 from the entrance, set where it stops in it
};

struct StackCrossing {
  std::vector<LayerCrossing> layers;  // in order, up to the layer the particle stops in
  double energyOut = 0;               // MeV leaving the last layer; 0 after a stop
  bool Stopped() const { return !layers.empty() && layers.back().stopDepth.has_value(); }
};

// One layer of thickness (g/cm2, zero or more) entered at energyIn (MeV). A thickness of
// 0 passes energyIn unchanged. Refused as the functions of RangeInterpolation.h refuse
// (energyIn outside the table, a table whose CSDA ranges are unfit), and for a thickness
// that is negative or not finite.
Checked<LayerCrossing> CrossLayer(const MaterialTable& material, double thickness, double energyIn);

// The layers in order, each entered at the energy the one before leaves with; no layers
// pass energyIn unchanged. A refusal names the layer ("layer 2: ..."), e.g. where the
// energy reaching it lies outside its table's energies or it has no material.
Checked<StackCrossing> CrossLayers(std::span<const Layer> layers, double energyIn);

}  // namespace alphastop
