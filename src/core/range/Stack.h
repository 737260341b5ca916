#pragma once
// A stack of layers as the user types it, worked out in one place for the range window, its
// Copy, the calculator and its stack files, which only format what comes back: the energy
// (or a nuclide's line), the angle at which the particle meets the layers, and each layer's
// material, thickness and conditions (a gas's pressure and temperature, or a density). Every
// layer's own faults are found whether or not the particle reaches it; the crossing follows
// CrossLayer (LayerStack.h) along the path through each layer, and the spread of the energy
// EnergyStragglingOut (core/energyloss/Straggling.h).

#include <optional>
#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "core/energyloss/DepthProfile.h"
#include "core/units/Checked.h"

namespace alphastop {

// Every member has its default, so that a designated initializer names only what it sets.
struct LayerInput {
  std::string material{};  // MATERIAL as LoadMaterial reads it: "Silicon", "Mylar", a path...
  // Across the layer, as ParseThickness reads it; a length needs the layer's density.
  std::string thickness{};
  // The layer's conditions (core/energyloss/LayerConditions.h); empty where not given:
  std::string pressure{};     // as ParsePressure reads it ("20 mbar"); a gas only
  std::string temperature{};  // as ParseTemperature reads it ("25 C"); a gas only
  std::string density{};      // as ParseDensity reads it ("1.2"); any material, not with those
};

struct StackInput {
  // MeV unless a unit is given, or a nuclide's principal line, as ParseEnergyOrNuclide reads
  // it ("5.5", "800keV", "Am-241"); empty: none yet.
  std::string energy{};
  std::vector<LayerInput> layers{};  // in the order the particle meets them
  // Of incidence, from the layers' normal, in degrees as ParseAngle reads it; empty: 0.
  std::string angle{};
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
  bool gas = false;                 // its table says it is a gas: it takes a pressure
  std::optional<double> density;    // g/cm3 as the layer stands (LayerDensity), where known
  std::optional<double> thickness;  // g/cm2 across the layer, where the thickness reads
  std::optional<double> path;       // g/cm2 along the track: thickness / cos(angle)
  double energyIn = 0;              // MeV at the entrance, where reached
  double energyOut = 0;             // MeV at the exit; 0 where stopped in
  double energyLost = 0;            // MeV, energyIn - energyOut
  std::optional<double> stopDepth;  // g/cm2 from the entrance, across the layer as its
                                    // thickness is measured, where stopped in
  // MeV, the standard deviation of energyOut, every layer before included; where crossed and
  // the tables of this layer and all before give their composition (Straggling.h).
  std::optional<double> straggling;
  std::optional<Refusal> refusal;  // where refused: the reason, without the layer's number
  // The layer's table in the MaterialCache the stack was worked out with, where it loads and
  // the layer is not refused; valid as long as that cache.
  const MaterialTable* table = nullptr;

  // The same lengths in µm, where the layer's density is known.
  std::optional<double> ThicknessMicrometres() const;
  std::optional<double> StopDepthMicrometres() const;
  // The full width at half maximum of energyOut's spread, keV.
  std::optional<double> StragglingFwhmKeV() const;
};

struct StackResult {
  std::optional<double> energy;          // MeV entering layer 1, where the text reads
  std::optional<Refusal> energyRefusal;  // why the energy text does not read
  double angle = 0;                      // degrees, where the text reads
  std::optional<Refusal> angleRefusal;   // why the angle text does not read
  std::vector<LayerResult> layers;       // one for each layer of the input, in order
  double energyOut = 0;                  // MeV leaving the last layer reached; 0 after a stop
  // MeV, the standard deviation of energyOut: the last layer's (0 without layers); nullopt
  // after a stop, a fault, or a table without composition.
  std::optional<double> straggling;

  bool Stopped() const;
  // The first fault: the energy's refusal, the angle's, else the first refused layer's, its
  // message beginning "layer N: ". nullopt where nothing is refused.
  std::optional<Refusal> FirstRefusal() const;
};

// Works out the stack with the materials of the cache (each loaded once).
StackResult EvaluateStack(const StackInput& input, MaterialCache& materials);

// The energy and stopping power along the track through a stack EvaluateStack has worked out
// (ProfileThroughLayers over each layer's path and density), up to the stop: depths along
// the track. Refused with the stack's FirstRefusal, or where no energy is given.
Checked<DepthProfile> StackDepthProfile(const StackResult& stack);
Checked<DepthProfile> StackDepthProfile(const StackInput& input, MaterialCache& materials);

}  // namespace alphastop
