#pragma once
// The mean excitation energy I of a compound or mixture whose I nobody measured, after ICRU
// Report 37 (1984, Stopping Powers for Electrons and Positrons): Bragg additivity of ln I,
// each element weighted by its electrons per mass,
//   ln I = sum_i w_i (Z_i/A_i) ln I_i / sum_i w_i (Z_i/A_i),
// where the I_i of an element are
//   - alone (a single element), and in a gas: the element's own I, that of its shipped table
//     (data/materials.txt; carbon takes graphite's, not amorphous carbon's);
//   - bound in a condensed compound or mixture: the values ICRU Report 37 assigns to bound
//     atoms, H 19.2, C 81.0, N 82.0, O 106, F 112 and Cl 180 eV, and for every other element
//     1.13 times its own I.

#include "core/materials/Material.h"

#include <vector>

namespace alphastop::tables {

// I in eV. Precondition: a composition CheckComposition accepts.
double DefaultMeanExcitationEnergy(const std::vector<ElementFraction>& composition, Phase phase);

// The element's own I in eV, from its shipped table. Precondition: 1 <= z <= MaxAtomicNumber.
double ElementMeanExcitationEnergy(int z);

}  // namespace alphastop::tables
