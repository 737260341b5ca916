#include "core/physics/StoppingTable.h"

#include "core/physics/ElectronicStopping.h"
#include "core/physics/NuclearStopping.h"
#include "core/physics/RangeIntegration.h"

#include <vector>

namespace alphastop::tables {

StoppingTable ComputeStoppingTable(const Material& material) {
  const auto grid = StandardEnergyGrid();
  const std::vector<double> energies(grid.begin(), grid.end());
  const ElectronicStoppingModel electronic = PrepareElectronicStopping(material);
  const auto total = [&](double e) {
    return ElectronicStopping(electronic, e) + NuclearStopping(material, e);
  };
  const auto transport = [&](double e) { return TransportCrossSectionPerMass(material, e); };
  const Ranges ranges = IntegrateRanges(total, transport, energies);

  StoppingTable table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    StoppingRow& row = table[i];
    row.energy = grid[i];
    row.electronic = ElectronicStopping(electronic, row.energy);
    row.nuclear = NuclearStopping(material, row.energy);
    row.total = row.electronic + row.nuclear;
    row.csdaRange = ranges.csda[i];
    row.projectedRange = ranges.projected[i];
    row.detourFactor = row.projectedRange / row.csdaRange;
  }
  return table;
}

}  // namespace alphastop::tables
