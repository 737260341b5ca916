#include "core/lookup/CursorPlacement.h"

#include <cmath>

namespace alphastop {
namespace {

// Rounded stand-ins for 3 ln 10 and 4 ln 10: the cursor lines and the pointer readout place
// rows with the same decimals, so they agree with each other; the offset from the curves
// is far below a pixel.
constexpr double EnergyCursorOffset = 6.909;
constexpr double StopPowerCursorOffset = 9.212;

}  // namespace

double EnergyCursorPosition(double energy) { return std::log(energy) + EnergyCursorOffset; }

float EnergyCursorX(double energy) { return static_cast<float>(EnergyCursorPosition(energy)); }

float StopPowerCursorY(double stopPower) {
  return static_cast<float>(std::log(stopPower) + StopPowerCursorOffset);
}

}  // namespace alphastop
