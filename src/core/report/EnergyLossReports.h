#pragma once
// The rows of the spectroscopy results, for the command-line calculator: the spread of the
// range at an energy, the thickness from an energy loss, the depth profile of a stack and the
// alpha emitters listed. Lengths in µm need the material's density; where it is unknown,
// those cells stay empty.

#include <string>
#include <vector>

#include "core/data/MaterialTable.h"
#include "core/range/Stack.h"
#include "core/report/Report.h"
#include "core/energyloss/DepthProfile.h"
#include "core/units/Checked.h"

namespace alphastop {

// range_straggling_g_cm2, range_straggling_um.
std::vector<ReportColumn> RangeStragglingColumns();
// The standard deviation of the CSDA range at energy (MeV), or empty cells where the table
// gives no composition or the energy lies outside it.
ReportRow RangeStragglingCells(const MaterialTable& table, double energy);

// material, energy_in_MeV, energy_out_MeV, thickness_g_cm2, thickness_um.
std::vector<ReportColumn> ThicknessColumns();
// The thickness of the material (named name) that takes a particle from energyIn down to
// energyOut (MeV), refused as ThicknessFromEnergyLoss refuses.
Checked<ReportRow> ThicknessRow(const std::string& name, const MaterialTable& table,
                                double energyIn, double energyOut);

// layer, material, depth_um, energy_MeV, stopping_keV_um.
std::vector<ReportColumn> DepthColumns();
// One row per point of profile, the material named as stack's layer of the point gives it.
std::vector<ReportRow> DepthRows(const DepthProfile& profile, const StackResult& stack);

// nuclide, energy_keV, intensity_percent: every line of every shipped nuclide.
std::vector<ReportColumn> NuclideColumns();
std::vector<ReportRow> NuclideRows();

}  // namespace alphastop
