#pragma once
// How far a generated table may lie from ICRU Report 49's tables (as NISTIR 4999 gives them),
// by regime and by the kind of data the model has for the material. The levels were measured:
// every material of the reference tables at hand was generated as the program ships it and
// compared at all 122 energies; each material's largest difference in a regime counts once, and
// the level of a class in that regime is the one two in three of its materials stay within (a
// standard uncertainty), rounded up to 1, 1.5, 2, 3, 5 or 7 times a power of ten, and never
// below 0.1 %. The regimes: electronic stopping up to JoinStartMeV (the fits), in the join, and
// above it (Bethe, where the classes do not differ: 0.3 %); the CSDA range up to 10 keV, up to
// JoinStartMeV, up to 10 MeV and above. The classes, by the low-energy data the material has:
//   ElementRow   an element whose ICRU 49 row reproduces its table (all within 0.4 %)
//   RowOff       an element whose row does not reproduce its table (silicon and gold: 10
//                and 14 % off below 1 MeV)
//   MoleculeRow  a material with a molecule row of its own (all within 0.4 %)
//   Aqueous      a solution or soft tissue whose water stops as liquid water
//   (ElectronicStopping.h):
//                1.5 to 5.5 % off below 1 MeV
//   BraggSum     every other compound or mixture: within 0.2 % where ICRU 49 took the Bragg
//                sum too, 2 to 38 % off where it had data of its own (water vapour, CO2, CH4,
//                C2H4, Al2O3 and the mixtures made of them, some tissues and their substitutes)
// A table of the model states its levels on line 6 (MaterialFacts.h).

#include "core/data/MaterialFacts.h"
#include "core/physics/ElectronicStopping.h"

namespace alphastop::tables {

enum class LowEnergyClass { ElementRow, RowOff, MoleculeRow, Aqueous, BraggSum };

LowEnergyClass LowEnergyClassOf(const ElectronicStoppingModel& model);

// The levels of the material's class in each regime.
TableUncertainty UncertaintyOf(const ElectronicStoppingModel& model);
TableUncertainty UncertaintyOf(const Material& material);

}  // namespace alphastop::tables
