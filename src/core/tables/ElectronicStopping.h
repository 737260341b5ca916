#pragma once
// Electronic stopping power of helium ions, MeV cm2/g, following the method of ICRU Report 49
// (1993): the fit of Ziegler (1977) at low energies, Bethe theory with shell, Barkas, Bloch
// and density-effect corrections at high energies, and a smooth joining in between.
// Compounds and mixtures by Bragg additivity.

#include "core/tables/Material.h"

namespace alphastop::tables {

// Energies (MeV) between which the fit is joined to Bethe theory.
inline constexpr double JoinStartMeV = 3.0;
inline constexpr double JoinEndMeV = 100.0;

// The low-energy fit summed by weight over the composition (Bragg additivity), with the
// binding and phase reduction of H, N and O in condensed compounds. The stopping is taken
// proportional to sqrt(T) (to the velocity) below 1 keV for elements and below 10 keV for
// compounds and mixtures. Any energy > 0.
double LowEnergyElectronicStopping(const Material& material, double energyMeV);

// Bethe's formula with all corrections (the shell correction from its asymptotic form).
// Meaningful from some tens of MeV up; energy > 0.
double BetheElectronicStopping(const Material& material, double energyMeV);

// Bethe's formula with the Barkas, Bloch and density corrections but no shell correction.
double BetheStoppingWithoutShells(const Material& material, double energyMeV);

// The electronic stopping power at any energy > 0: the fit below JoinStartMeV, Bethe above
// JoinEndMeV, and between them Bethe with a shell correction interpolated (cubic in ln T,
// continuous with its slope) from the one the fit implies to the asymptotic one.
double ElectronicStopping(const Material& material, double energyMeV);

}  // namespace alphastop::tables
