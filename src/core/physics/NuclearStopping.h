#pragma once
// Elastic (nuclear) collisions of helium ions with screened nuclei, with the universal
// interatomic potential of Ziegler, Biersack and Littmark, "The Stopping and Range of Ions in
// Solids", Pergamon (1985).

#include "core/materials/Material.h"

namespace alphastop::tables {

// Reduced nuclear stopping s_n(epsilon) of the universal potential (dimensionless), tabulated
// from the classical scattering integral between epsilon = 1e-4 and 1e6 and continued beyond
// with the shape of ZBL's fitting formula.
double ReducedNuclearStopping(double reducedEnergy);

// Reduced energy epsilon of a helium ion of T (MeV) on a target atom (z2, m2 in u).
double ReducedEnergy(int z2, double m2, double energyMeV);

// Nuclear stopping cross-section of one target atom, eV per 1e15 atoms/cm2.
double NuclearStoppingPerAtom(int z2, double m2, double energyMeV);

// Nuclear stopping power of a material by Bragg additivity, MeV cm2/g.
double NuclearStopping(const Material& material, double energyMeV);

// Momentum-transfer (first transport) cross-section of the elastic collisions per unit mass,
// cm2/g: sum of (w_i N_A / A_i) sigma_1,i, with sigma_1 = integral of (1 - cos theta) d sigma
// in the laboratory frame, taken in the small-angle relation 1 - cos theta = T_recoil M2/(2 M1 E),
// which makes sigma_1 = S_n M2 / (2 M1 E).
double TransportCrossSectionPerMass(const Material& material, double energyMeV);

}  // namespace alphastop::tables
