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

// Barkas term L1 for target atomic number z2 (Ashley, Ritchie and Brandt, Phys. Rev. B 5,
// 2393 (1972), with the Jackson-McCarthy cut-off parameter b = 1.8 as in ICRU Report 49).
// The stopping number gains z * L1.
double BarkasTerm(const Kinematics& k, int z2);

// Bloch term for projectile charge z: psi(1) - Re psi(1 + i y), y = z alpha / beta.
double BlochTerm(const Kinematics& k, double projectileCharge);

// Density-effect correction delta of Sternheimer and Peierls (Phys. Rev. B 3, 3681 (1971)),
// its parameters derived from I, the density and the phase.
double DensityEffect(const Kinematics& k, const Material& material);

}  // namespace alphastop::tables
