#pragma once
// Classical elastic scattering in the universal interatomic potential of Ziegler, Biersack and
// Littmark ("The Stopping and Range of Ions in Solids", Pergamon, 1985), in reduced units:
// distances in units of the universal screening length a_U = 0.8854 a_0 / (Z1^0.23 + Z2^0.23),
// energies as epsilon = a_U E_cm / (Z1 Z2 e^2).

namespace alphastop::tables {

// The universal screening function phi(x) = sum c_i exp(-d_i x).
double UniversalScreening(double x);

// Centre-of-mass deflection angle (radians) at reduced impact parameter p and reduced energy
// epsilon, from the classical scattering integral evaluated by Gauss-Mehler quadrature.
double ScatteringAngle(double reducedImpactParameter, double reducedEnergy);

// Reduced nuclear stopping s_n(epsilon) = epsilon * integral of sin^2(theta/2) d(p^2),
// integrated numerically over the impact parameter. Slow (milliseconds); the stopping tables
// use ReducedNuclearStopping (NuclearStopping.h), tabulated from this integral.
double IntegrateReducedNuclearStopping(double reducedEnergy);

}  // namespace alphastop::tables
