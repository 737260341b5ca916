#pragma once
#include <optional>

#include "core/data/MaterialTable.h"

namespace alphastop {

struct StopPowers {
  double electronic = 0;  // MeV cm2/g
  double nuclear = 0;
  double total = 0;
};

// Stopping powers at energy (MeV, > 0) on the straight line through the two bracketing
// rows on log-log axes; each column on its own. At or below row 1's energy the line
// through rows 1 and 2 extends down. Above row 122's energy there is no bracket: nullopt.
std::optional<StopPowers> InterpolateStopPower(const MaterialTable& table, double energy);

}  // namespace alphastop
