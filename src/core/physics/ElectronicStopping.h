#pragma once
// Electronic stopping power of helium ions, MeV cm2/g, following the method of ICRU Report 49
// (1993): the fit of Ziegler (1977) at low energies, Bethe theory with shell, Barkas, Bloch
// and density-effect corrections at high energies, and a smooth joining in between.
// Compounds and mixtures by Bragg additivity.

#include "core/physics/LocalPlasmaShells.h"
#include "core/materials/Material.h"

namespace alphastop::tables {

// Energies (MeV) between which the fit is joined to Bethe theory.
inline constexpr double JoinStartMeV = 1.25;
inline constexpr double JoinEndMeV = 8.0;

// The low-energy fit summed by weight over the composition (Bragg additivity), with the
// binding and phase reduction of H, N and O in condensed compounds. The stopping is taken
// proportional to sqrt(T) (to the velocity) below 1 keV for elements and below 10 keV for
// compounds and mixtures. Any energy > 0.
double LowEnergyElectronicStopping(const Material& material, double energyMeV);

// What a material needs at every energy, prepared once: the local-plasma shell model and the
// ends of the join, as ln S and its slope d ln S / d ln T.
struct ElectronicStoppingModel {
  Material material;
  LocalPlasmaModel shells;
  double startLog = 0.0;  // ln S of the fit at JoinStartMeV
  double startSlope = 0.0;
  double endLog = 0.0;  // ln S of Bethe's formula at JoinEndMeV
  double endSlope = 0.0;
};

ElectronicStoppingModel PrepareElectronicStopping(const Material& material);

// Bethe's formula with the Barkas, Bloch and density corrections and the local-plasma shell
// correction. Used from JoinEndMeV up; any energy > 0.
double BetheElectronicStopping(const ElectronicStoppingModel& model, double energyMeV);

// Bethe's formula with the Barkas, Bloch and density corrections but no shell correction.
double BetheStoppingWithoutShells(const Material& material, double energyMeV);

// The electronic stopping power at any energy > 0: the fit up to JoinStartMeV, Bethe from
// JoinEndMeV, and between them a cubic in ln T for ln S that continues both curves with their
// values and slopes (log-log Hermite interpolation).
double ElectronicStopping(const ElectronicStoppingModel& model, double energyMeV);

// The same, preparing the model on each call.
double ElectronicStopping(const Material& material, double energyMeV);

}  // namespace alphastop::tables
