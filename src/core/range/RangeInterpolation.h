#pragma once
// Ranges at an energy, and the energy at a CSDA range, in a material's table, between the
// two rows that bracket the value: the CSDA range as the integral of 1/S along the stopping
// power's line (CsdaSegment.h), the projected range on the straight line on log-log axes,
// as the stopping powers are interpolated (see core/lookup/LogLogLine.h).
//
// Each function refuses, with the reason: a value that is not a finite number above zero;
// a value outside the table's rows (below row 1's or above row 122's; nothing is
// extrapolated), the message giving the table's limits; and a table whose CSDA ranges are
// not all above zero and strictly ascending, the message naming the first row at fault.

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

struct Ranges {
  double csda = 0;       // g/cm2, the path length in the continuous-slowing-down approximation
  double projected = 0;  // g/cm2, the depth along the direction of incidence
};

// Both ranges at energy (MeV). Also refused where a projected range is not above zero.
Checked<Ranges> RangeAtEnergy(const MaterialTable& table, double energy);

// The CSDA range (g/cm2) at energy (MeV); the projected ranges are not looked at.
Checked<double> CsdaRangeAtEnergy(const MaterialTable& table, double energy);

// The energy (MeV) whose CSDA range is csdaRange (g/cm2): the inverse of CsdaRangeAtEnergy,
// between the same two rows, so EnergyFromCsdaRange(CsdaRangeAtEnergy(E)) is E
// up to rounding. Row 1's CSDA range gives row 1's energy, row 122's that of row 122.
Checked<double> EnergyFromCsdaRange(const MaterialTable& table, double csdaRange);

// The same lookups without their checks, for a caller that makes them once for many: a
// table whose range columns CheckCsdaColumn and CheckProjectedColumn accept, and an energy
// or range within its first and last rows'.
Ranges RangesAtCheckedEnergy(const MaterialTable& table, double energy);
double EnergyAtCheckedCsdaRange(const MaterialTable& table, double csdaRange);

}  // namespace alphastop
