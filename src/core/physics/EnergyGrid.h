#pragma once
// The 122 helium-ion energies of a stopping table, from 1 keV to 1 GeV.

#include <array>

namespace alphastop::tables {

inline constexpr int GridSize = 122;

// Energies in MeV, ascending: 1, 1.5, 2, 2.5, 3, 4, ..., 9 keV, then in each decade from
// 10 keV to 1 GeV the steps 1, 1.25, 1.5, 1.75, 2, ..., 3, 3.5, 4, ..., 9.5, and 1 GeV last.
std::array<double, GridSize> StandardEnergyGrid();

}  // namespace alphastop::tables
