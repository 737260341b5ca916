#pragma once
// ICRU Report 49's fits of the electronic stopping of helium ions below about 1 MeV (ICRU
// Report 49, "Stopping Powers and Ranges for Protons and Alpha Particles", 1993; the fits are
// of the kind of J. F. Ziegler, "Helium: Stopping Powers and Ranges in All Elemental Matter",
// Pergamon, 1977): one row per element, one for amorphous carbon and one per molecule ICRU 49
// fitted, read from data/physics/helium_icru49_fits.tsv, whose header says where each number
// was read and what is known not to fit.

#include "core/materials/Material.h"

#include <span>
#include <string>
#include <vector>

namespace alphastop::tables {

struct HeliumFitRow {
  double a1 = 0, a2 = 0, a3 = 0, a4 = 0, a5 = 0;
  // g/mol: the atomic weight of an element row, the mass of a molecule row's formula unit.
  double mass = 0.0;
  // False where the file says the row does not reproduce ICRU 49's own table (Si, Au).
  bool reproducesPublishedTable = true;
};

struct MoleculeFitRow {
  std::string id;  // as the file names it: "water, liquid", "LiF"...
  HeliumFitRow fit;
  std::vector<ElementFraction> composition;  // by weight
};

// The row of element z, 1..92; hydrogen, nitrogen and oxygen are the gases H2, N2 and O2,
// carbon is graphite.
const HeliumFitRow& ElementFitRow(int z);

// The row of amorphous carbon, also the carbon of every compound.
const HeliumFitRow& AmorphousCarbonFitRow();

// The molecule rows: CaF2, cellulose nitrate, LiF, polycarbonate, polyethylene, PMMA,
// polystyrene, NaI and liquid water, all condensed.
std::span<const MoleculeFitRow> MoleculeFitRows();

// The row of liquid water.
const MoleculeFitRow& LiquidWaterFitRow();

// The molecule row of a material, or nullptr: the one material.moleculeFit names where it is
// set, else the one of a condensed material whose every fraction by weight lies within
// MoleculeWeightTolerance of the row's composition (phase matters: water vapour and ethylene
// gas are not liquid water and polyethylene). Throws std::invalid_argument where
// material.moleculeFit names no row.
inline constexpr double MoleculeWeightTolerance = 2e-3;
const MoleculeFitRow* MoleculeRowOf(const Material& material);

// The fit at helium energy T (MeV), 1 keV <= T, in eV per 1e15 atoms (or formula units)/cm2:
//   S_low = a1 (1000 T)^a2,  S_high = (a3 / T) ln(1 + a4 / T + a5 T),
//   S = S_low S_high / (S_low + S_high).
double FitStopping(const HeliumFitRow& row, double energyMeV);

// The same in MeV cm2/g: S * N_A / mass.
double FitMassStopping(const HeliumFitRow& row, double energyMeV);

}  // namespace alphastop::tables
