#pragma once
// The physical constants of the stopping formulas (CODATA 2018), and the projectile's.

namespace alphastop::tables {

inline constexpr double ElectronMassMeV = 0.51099895;   // m_e c^2
inline constexpr double AtomicMassUnitMeV = 931.49410;  // u c^2
inline constexpr double BetheConstant = 0.307075;       // 4 pi N_A r_e^2 m_e c^2, MeV cm2/mol
inline constexpr double InverseFineStructure = 137.035999;
inline constexpr double FineStructure = 1.0 / InverseFineStructure;
inline constexpr double HartreeEv = 27.211386;
// N_A * 1e-21: turns a cross section per atom in eV cm2 (times 1e15, as tabulated in
// eV/(1e15 atoms/cm2)) into MeV cm2/g, once divided by the atomic weight in g/mol.
inline constexpr double AvogadroPer1e21 = 602.214076;

// The helium ion: the alpha particle.
inline constexpr double HeliumMassU = 4.001506;  // u
inline constexpr double HeliumCharge = 2.0;      // atomic number, and charge when fully stripped

}  // namespace alphastop::tables
