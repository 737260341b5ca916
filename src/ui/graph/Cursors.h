#pragma once

namespace alphastop::ui {

// The graph's yellow cursor lines. Both act on the graph window whether it is shown or not
// (creating it hidden where it does not exist yet) and never show the window itself.

// Puts the vertical line Line1 at an energy in MeV and makes it visible.
void MoveEnergyCursor(double energy);
// Puts the horizontal line Line2 at a looked-up energy's total stopping power (MeV, MeV
// cm2/g) and makes it visible; while the graph shows the ranges, at the energy's CSDA range.
void MoveStopPowerCursor(double energy, double totalStopPower);

}  // namespace alphastop::ui
