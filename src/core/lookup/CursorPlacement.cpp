#include "core/lookup/CursorPlacement.h"

#include <cmath>

namespace alphastop {
namespace {

// Rounded stand-ins for 3 ln 10 and 4 ln 10: the cursors sit about 0.0012 and 0.0017 units
// off the drawn curves, well under a pixel, and the pointer readout uses the same 6.909.
constexpr double EnergyCursorOffset = 6.909;
constexpr double StopPowerCursorOffset = 9.212;

}  // namespace

float EnergyCursorX(double energy) {
  return static_cast<float>(std::log(energy) + EnergyCursorOffset);
}

float StopPowerCursorY(double stopPower) {
  return static_cast<float>(std::log(stopPower) + StopPowerCursorOffset);
}

}  // namespace alphastop
