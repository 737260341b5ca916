#pragma once
// The rows of the range and energy-loss results, one layout for the command-line calculator
// and the window's Copy: stopping powers and ranges at an energy, the energy at a range,
// and the energies through a stack of layers. Lengths in µm need the material's density;
// where a table gives none, those cells stay empty.

#include <optional>
#include <string>
#include <vector>

#include "core/data/MaterialTable.h"
#include "core/range/Stack.h"
#include "core/report/Report.h"
#include "core/units/Checked.h"

namespace alphastop {

// energy_MeV, electronic_MeV_cm2_g, nuclear_MeV_cm2_g, total_MeV_cm2_g, csda_range_g_cm2,
// projected_range_g_cm2, csda_range_um, projected_range_um.
std::vector<ReportColumn> StoppingColumns();
// The stopping powers and ranges at energy (MeV), refused as RangeAtEnergy refuses.
Checked<ReportRow> StoppingRow(const MaterialTable& table, double energy);

// range_g_cm2, range_um, energy_MeV.
std::vector<ReportColumn> EnergyColumns();
// The energy whose CSDA range is csdaRange (g/cm2), refused as EnergyFromCsdaRange refuses.
Checked<ReportRow> EnergyRow(const MaterialTable& table, double csdaRange);

// layer, material, thickness_g_cm2, thickness_um, energy_in_MeV, energy_out_MeV, stopped_at_um,
// energy_lost_MeV, straggling_fwhm_keV (of the energy leaving the layer, all before included;
// empty after a stop or where a table gives no composition).
std::vector<ReportColumn> LayerColumns();
// One row per layer reached, up to the one the particle stops in or the first refused.
std::vector<ReportRow> LayerRows(const StackResult& stack);

// The facts above the rows of one material: its name, title and density where known.
std::vector<std::pair<std::string, ReportCell>> MaterialFacts(const std::string& name,
                                                              const MaterialTable& table);

}  // namespace alphastop
