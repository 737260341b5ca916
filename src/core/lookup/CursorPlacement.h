#pragma once

namespace alphastop {

// Rows above this energy (MeV) leave the energy cursor where it is.
inline constexpr double EnergyCursorLimit = 1000;

// ln E + 6.909 for an energy in MeV, in double precision: where the energy cursor and the
// pointer readout put an energy. The offset is a rounded 3 ln 10, so the cursor sits
// 0.0012 units right of the drawn curve point, well under a pixel. E <= 0 is not finite.
double EnergyCursorPosition(double energy);

// x of the vertical energy cursor for an energy in MeV: ln E + 6.909, rounded to single.
float EnergyCursorX(double energy);
// y of the horizontal stopping-power cursor for MeV cm2/g: ln S + 9.212, rounded to single.
float StopPowerCursorY(double stopPower);

}  // namespace alphastop
