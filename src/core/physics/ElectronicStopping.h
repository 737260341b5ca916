#pragma once
// Electronic stopping power of helium ions, MeV cm2/g, after the method of ICRU Report 49
// (1993):
//   - up to JoinStartMeV, ICRU 49's fits (HeliumFits.h): a material with a molecule row takes
//     it; every other material is the Bragg sum, by weight, of the element rows, with hydrogen,
//     nitrogen and oxygen as the gases H2, N2 and O2 and carbon in compounds as amorphous
//     carbon. An aqueous material (condensed, more than half of its mass water when its
//     hydrogen and oxygen are paired as H2O: solutions, soft tissues) takes the liquid-water
//     row for that water: Bragg's additivity holds between molecules, which keep their binding,
//     better than between free atoms (W. H. Bragg and R. Kleeman, Phil. Mag. 10, 318 (1905);
//     D. I. Thwaites, Radiat. Res. 95, 495 (1983)), and liquid water's own row carries its
//     condensed phase, which the gas rows of H and O overstate by 10 to 14 %. No correction
//     of the element rows: the one tried (condensed H, N, O and oxide oxygen stopping 12 to
//     20 % less) made the compared materials worse as a whole. Below 1 keV the stopping goes
//     with the velocity, S ~ sqrt(T) (Lindhard and Scharff).
//   - from JoinEndMeV, Bethe's formula for z = 2,
//       S = K z^2 (Z/A) / beta^2 [ln(2 m c^2 beta^2 gamma^2 / I) - beta^2 - X + z L1 + L2 -
//       delta/2]
//     with the material's own I; X (the shell correction C/Z) and L1 (Barkas) summed over the
//     elements by their shares of the electrons (Bragg additivity). X of each element as
//     ElementShellCorrection gives it (ICRU 49's own for the 25 elements it tabulates); L1 after
//     Ashley, Ritchie and Brandt with ICRU 49's parameters, L2 after Bloch, delta after
//     Sternheimer and Peierls (BetheCorrections.h).
//   - in between, a cubic in ln T for ln S that continues both with their values and slopes.

#include "core/materials/Material.h"
#include "core/physics/HeliumFits.h"
#include "core/physics/ShellCorrections.h"

#include <vector>

namespace alphastop::tables {

// The join, the same for every material: from where the fits end (about 1 MeV, as their
// source says) to where ICRU 49's shell corrections lie well past its proton fitting region.
// The end was chosen among 3 to 5 MeV as the one that serves the compared materials best as a
// whole; ICRU 49's own join ends between about 2 and 6 MeV, depending on the material.
inline constexpr double JoinStartMeV = 1.0;
inline constexpr double JoinEndMeV = 3.5;

// Below this energy the stopping goes with the velocity.
inline constexpr double VelocityProportionalBelowMeV = 1e-3;

// One element of a material in Bethe's formula.
struct BetheElement {
  double electronShare = 0.0;  // of the material's electrons
  ElementShellCorrection shell;
};

// What a material needs at every energy, prepared once.
struct ElectronicStoppingModel {
  Material material;
  const MoleculeFitRow* molecule = nullptr;  // the material's own fit, if it has one
  double water = 0.0;  // share of the mass that stops as liquid water (aqueous materials)
  std::vector<BetheElement> elements;
  double startLog = 0.0, startSlope = 0.0;  // ln S of the fits, d ln S / d ln T, at JoinStartMeV
  double endLog = 0.0, endSlope = 0.0;      // the same of Bethe's formula at JoinEndMeV
};

// Precondition: a material ValidateMaterial accepts. Throws std::invalid_argument where the
// material names a molecule fit that does not exist.
ElectronicStoppingModel PrepareElectronicStopping(const Material& material);

// The fits for the material: its molecule row, or the Bragg sum of element rows. Any T > 0.
double LowEnergyElectronicStopping(const ElectronicStoppingModel& model, double energyMeV);

// Bethe's formula with all its corrections. Any T > 0; meant from about 2 MeV up.
double BetheElectronicStopping(const ElectronicStoppingModel& model, double energyMeV);

// The electronic stopping power at any T > 0: the fits up to JoinStartMeV, Bethe from
// JoinEndMeV, the cubic between.
double ElectronicStopping(const ElectronicStoppingModel& model, double energyMeV);

// The same, preparing the model on each call.
double ElectronicStopping(const Material& material, double energyMeV);

}  // namespace alphastop::tables
