#pragma once

namespace alphastop::ui {

// The graph's yellow cursor lines. Both act on the graph window whether it is shown or not
// (creating it hidden where it does not exist yet) and never show the window itself.

// Puts the vertical line Line1 at an energy in MeV and makes it visible.
void MoveEnergyCursor(double energy);
// Puts the horizontal line Line2 at a stopping power in MeV cm2/g and makes it visible.
void MoveStopPowerCursor(double stopPower);

}  // namespace alphastop::ui
