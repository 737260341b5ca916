#pragma once
// How thick a layer is, from what it takes of an alpha particle's energy: the inverse of
// CrossLayer (core/range/LayerStack.h), on the same CSDA ranges.

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

// The thickness (g/cm2, along the path) of table's material that a particle entering at
// energyIn (MeV) leaves at energyOut (MeV): R(energyIn) - R(energyOut) on the CSDA ranges,
// so that CrossLayer over it gives energyOut back up to rounding. In um with
// ArealDensityToMicrometres (core/units/Thickness.h) and the layer's density. Refused where
// energyOut is not below energyIn, where either energy is not within the table's rows (the
// message says which, and the table's limits), and where the CSDA ranges are unfit.
Checked<double> ThicknessFromEnergyLoss(const MaterialTable& table, double energyIn,
                                        double energyOut);

}  // namespace alphastop
