#pragma once

namespace alphastop {

// Rows above this energy (MeV) leave the energy cursor where it is.
inline constexpr double EnergyCursorLimit = 1000;

// x of the vertical energy cursor for an energy in MeV: ln E + 6.909, rounded to single.
float EnergyCursorX(double energy);
// y of the horizontal stopping-power cursor for MeV cm2/g: ln S + 9.212, rounded to single.
float StopPowerCursorY(double stopPower);

}  // namespace alphastop
