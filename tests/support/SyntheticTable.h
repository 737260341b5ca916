#pragma once
// Tables built in memory, so that lookup and graph tests know every value they read.

#include <cmath>

#include "core/data/MaterialTable.h"

namespace alphastop::testing {

// 122 rows whose energies climb geometrically from firstEnergy to lastEnergy (MeV). The
// stopping powers differ between the columns and have at most four significant digits, so
// that a readout of them is never a rounding tie.
inline MaterialTable GeometricTable(double firstEnergy, double lastEnergy) {
  MaterialTable table;
  for (int r = 1; r <= RowCount; ++r) {
    TableRow& row = table.rows[static_cast<std::size_t>(r - 1)];
    row.energy = firstEnergy * std::pow(lastEnergy / firstEnergy, (r - 1) / double(RowCount - 1));
    row.stopPower = {100.0 + r, 0.01 * r, 1000.0 - r};
  }
  return table;
}

}  // namespace alphastop::testing
