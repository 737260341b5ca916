#pragma once
// Electron densities of free atoms in atomic units: radius r in Bohr radii, density in electrons
// per cubic Bohr radius. Each integrates to z electrons over all space.

namespace alphastop::tables {

// Heaviest atom described by Slater orbitals; heavier ones by the Thomas-Fermi atom.
inline constexpr int LastSlaterAtom = 10;

// Thomas-Fermi atom in Moliere's approximation of the screening function (G. Moliere,
// Z. Naturforsch. 2a, 133 (1947)). Any z >= 1, r > 0.
double ThomasFermiDensity(int z, double r);

// Hydrogen-like 1s, 2s and 2p orbitals with the screening constants of J. C. Slater, Phys. Rev. 36,
// 57 (1930), filled in the ground-state order. Precondition: 1 <= z <= LastSlaterAtom, r > 0.
double SlaterDensity(int z, double r);

// The statistical Thomas-Fermi atom describes many-electron atoms; the first two periods, whose
// K and L shells it smears out, take Slater's orbitals.
double AtomicElectronDensity(int z, double r);

}  // namespace alphastop::tables
