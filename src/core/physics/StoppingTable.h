#pragma once
// The full table of one material: stopping powers and ranges at the 122 grid energies.

#include "core/physics/EnergyGrid.h"
#include "core/materials/Material.h"

#include <array>

namespace alphastop::tables {

struct StoppingRow {
  double energy = 0.0;          // MeV
  double electronic = 0.0;      // MeV cm2/g
  double nuclear = 0.0;         // MeV cm2/g
  double total = 0.0;           // MeV cm2/g
  double csdaRange = 0.0;       // g/cm2
  double projectedRange = 0.0;  // g/cm2
  double detourFactor = 0.0;    // projected / CSDA range, in (0, 1]
};

using StoppingTable = std::array<StoppingRow, GridSize>;

// Computes the table of helium ions in `material` on StandardEnergyGrid().
// Precondition: a valid material (density > 0, I > 0, fractions adding up to 1).
StoppingTable ComputeStoppingTable(const Material& material);

}  // namespace alphastop::tables
