#pragma once
// The spread of the energy of alpha particles that cross the same matter (energy-loss
// straggling) and of the path they travel before they stop (range straggling), from the
// collisions with the electrons of the material; nuclear straggling is left out.
//
// The variance of the energy lost per areal density, for a compound the sum over its
// elements by weight (Bragg's additivity):
//   dOmega^2/d(rho x) = sum_i w_i K m_e c^2 z^2 (Z_i / A_i) F(chi_i) g(beta)      MeV^2 cm2/g
// - Bohr's variance, K m_e c^2 z^2 Z/A (N. Bohr, Phil. Mag. 30, 581 (1915)), with
//   K = 4 pi N_A r_e^2 m_e c^2 = 0.307075 MeV cm2/mol and z = 2;
// - g(beta) = gamma^2 (1 - beta^2/2) / (1 + 2 gamma m_e/M + (m_e/M)^2), the relativistic
//   factor of the Gaussian width sigma^2 = xi T_max (1 - beta^2/2) of the Review of Particle
//   Physics ("Passage of particles through matter"), 1.0015 at 5.5 MeV;
// - F, the low-velocity correction of J. Lindhard and M. Scharff, K. Dan. Vidensk. Selsk.
//   Mat.-Fys. Medd. 27, no. 15 (1953), in the form of W.K. Chu, J.W. Mayer and M.-A. Nicolet,
//   Backscattering Spectrometry (Academic Press, 1978):
//     Omega^2/Omega_B^2 = L(chi)/2 for chi <= 3, 1 for chi > 3,
//     L(chi) = 1.36 chi^1/2 - 0.016 chi^3/2,  chi = v^2 / (Z_i v_0^2) = beta^2 / (alpha^2 Z_i),
//   v_0 the Bohr velocity. The fit L/2 rises above 1 from chi = 2.28 and would step back from
//   1.136 to 1 at chi = 3 (near 300 keV per unit of Z_i for helium); here F = min(L/2, 1), so
//   that the correction is continuous and never exceeds the free-electron value it corrects.
//
// Through a layer the spread of the energy is carried by the stopping power S(E), the
// table's total (MeV cm2/g, interpolated as InterpolateStopPower does), and grows by the
// variance that each element dx of the path adds at the energy E(x) it is crossed at:
//   sigma_out^2 = (S(E_out)/S(E_in))^2 sigma_in^2 + S(E_out)^2 Int dOmega^2/S^2 dx,
// which is Int dOmega^2/S^3 dE over the energies where dx = dE/S. The path elements come
// from the table's CSDA ranges, as CrossLayer's thickness does, so that a thin layer of
// thickness t adds dOmega^2 t however closely the range column follows the integral of 1/S
// between its rows (core/range/CsdaSegment.h). The variance of the CSDA range at E
// is likewise Int dOmega^2/S^2 dR from row 1's energy up (what lies below row 1 is left
// out; at 1 keV it is far below a nanometre).
//
// Each function needs the composition of the table's header (every table the program
// writes states one); a table without it is refused, naming the material, as are energies
// outside the table's rows 1 to 122.

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

// FWHM / sigma of a Gaussian, 2 sqrt(2 ln 2).
inline constexpr double FwhmPerSigma = 2.3548200450309493;

// dOmega^2/d(rho x) at energy (MeV): the variance of the energy lost per areal density,
// MeV^2 cm2/g.
Checked<double> StragglingRate(const MaterialTable& table, double energy);

// The standard deviation (MeV) of the energy leaving a layer that the particle enters at
// energyIn (MeV) with standard deviation sigmaIn (MeV, zero or more) and leaves at energyOut
// (MeV), as CrossLayer gives it: energyOut <= energyIn, both within the table's rows (a
// particle that stops in the layer has no energy out to spread; energyOut 0 is refused).
// energyOut == energyIn (no matter crossed) gives sigmaIn.
Checked<double> EnergyStragglingOut(const MaterialTable& table, double energyIn, double energyOut,
                                    double sigmaIn);

// The standard deviation (g/cm2) of the CSDA range at energy (MeV); in um with
// ArealDensityToMicrometres (core/units/Thickness.h) and the material's density.
Checked<double> RangeStraggling(const MaterialTable& table, double energy);

}  // namespace alphastop
