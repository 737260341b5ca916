#pragma once
// The terms of the Bethe stopping number of a fast helium ion, L = L0 - C/Z + z L1 + L2 - delta/2
// (ICRU Report 49, 1993, chapter 2). Velocities enter as beta^2 and eta^2 = (beta gamma)^2.

#include "core/materials/Material.h"
#include "core/physics/PhysicalConstants.h"

namespace alphastop::tables {

struct Kinematics {
  double beta2 = 0.0;  // (v/c)^2
  double eta2 = 0.0;   // (beta gamma)^2
};

// Velocity of a helium ion of kinetic energy T (MeV).
Kinematics HeliumKinematics(double energyMeV);

// L0 = ln(2 m c^2 eta^2 / I) - beta^2: the uncorrected stopping number (I in eV).
double BetheLogTerm(const Kinematics& k, double meanExcitationEv);

// Barkas term L1 per unit projectile charge for target atomic number z2, 1..92: the term of
// Ashley, Ritchie and Brandt (Phys. Rev. B 5, 2393 (1972)), F(b / sqrt(x)) / (sqrt(z2) x^1.5)
// with x = beta^2 / (alpha^2 z2), and ICRU Report 49's cut-off parameter b of each element:
// H 1.8, He 0.6, Li-Ne 1.8, Na-Cl 1.4, Ar 1.8, K-Mn 1.4, Fe-Sn 1.35, Sb-Eu 1.3; silver and the
// elements from gadolinium on take ICRU 49's own forms, 0.006812 beta^-0.9 and
// 0.002833 beta^-1.2 (as the header of data/physics/helium_icru49_shell_corrections.tsv gives
// them, read from the public Geant4 sources). The stopping number gains z * L1.
double BarkasTerm(const Kinematics& k, int z2);

// Bloch term for projectile charge z: psi(1) - Re psi(1 + i y), y = z alpha / beta.
double BlochTerm(const Kinematics& k, double projectileCharge);

// Density-effect correction delta of Sternheimer and Peierls (Phys. Rev. B 3, 3681 (1971)),
// its parameters derived from I, the density and the phase.
double DensityEffect(const Kinematics& k, const Material& material);

}  // namespace alphastop::tables
