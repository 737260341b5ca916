#pragma once
// A stack of layers as the user types it, worked out in one place for the range window, its
// Copy and the calculator, which only format what comes back: the energy text, and each
// layer's material and thickness text. Every layer's own faults are found whether or not
// the particle reaches it; the crossing itself follows CrossLayer (LayerStack.h).
//
// Room is kept, without being used yet, for conditions of the whole stack (an angle of
// incidence: StackInput) and of each layer (a gas's pressure, temperature or density:
// LayerInput), and for further numbers of each layer (straggling: LayerResult).

#include <optional>
#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "core/units/Checked.h"

namespace alphastop {

struct LayerInput {
  std::string material;   // MATERIAL as LoadMaterial reads it: "Silicon", "Mylar", a path...
  std::string thickness;  // as ParseThickness reads it; a length needs the table's density
};

struct StackInput {
  std::string energy;  // MeV unless a unit is given, as ParseEnergy reads it; empty: none yet
  std::vector<LayerInput> layers;  // in the order the particle meets them
};

enum class LayerState {
  NotReached,  // no energy to enter with, or the particle stopped or a fault came before
  Crossed,     // the particle left the layer with energyOut
  StoppedIn,   // the particle stopped in the layer, at stopDepth
  Refused,     // the layer cannot be worked out: refusal says why, in place of its results
};

struct LayerResult {
  LayerState state = LayerState::NotReached;
  std::string material;             // the table's name (LoadedMaterial::name), where it loads
  std::optional<double> density;    // g/cm3, where the table gives it
  std::optional<double> thickness;  // g/cm2, where the thickness reads
  double energyIn = 0;              // MeV at the entrance, where reached
  double energyOut = 0;             // MeV at the exit; 0 where stopped in
  double energyLost = 0;            // MeV, energyIn - energyOut
  std::optional<double> stopDepth;  // g/cm2 from the entrance, where stopped in
  std::optional<Refusal> refusal;   // where refused: the reason, without the layer's number

  // The same lengths in µm, where the table gives a density.
  std::optional<double> ThicknessMicrometres() const;
  std::optional<double> StopDepthMicrometres() const;
};

struct StackResult {
  std::optional<double> energy;          // MeV entering layer 1, where the text reads
  std::optional<Refusal> energyRefusal;  // why the energy text does not read
  std::vector<LayerResult> layers;       // one for each layer of the input, in order
  double energyOut = 0;                  // MeV leaving the last layer reached; 0 after a stop

  bool Stopped() const;
  // The first fault: the energy's refusal, else the first refused layer's, its message
  // beginning "layer N: ". nullopt where nothing is refused.
  std::optional<Refusal> FirstRefusal() const;
};

// Works out the stack with the materials of the cache (each loaded once).
StackResult EvaluateStack(const StackInput& input, MaterialCache& materials);

}  // namespace alphastop
