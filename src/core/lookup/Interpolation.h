#pragma once
#include <optional>

#include "core/data/MaterialTable.h"

namespace alphastop {

struct StopPowers {
  double electronic = 0;  // MeV cm2/g
  double nuclear = 0;
  double total = 0;
};

// Stopping powers (MeV cm2/g) at energy (MeV, > 0) on the straight line through the two
// bracketing rows on log-log axes. Each column is interpolated on its own: the total is
// not the sum of the other two. At a tabulated energy the result is that row's values; at
// or below row 1's energy the line through rows 1 and 2 extends down. Above row 122's
// energy there is no bracket: nullopt. The table's energies must ascend and its values be
// positive, as a load guarantees.
std::optional<StopPowers> InterpolateStopPower(const MaterialTable& table, double energy);

}  // namespace alphastop
