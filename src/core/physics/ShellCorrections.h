#pragma once
// The shell corrections of ICRU Report 49 (1993) for the elements it tabulates, as
// data/physics/helium_icru49_shell_corrections.tsv recovers them from ICRU 49's proton
// stopping powers ("ICRU 49 shell corrections, recovered from its proton stopping powers";
// the file's header gives the inversion, its sources and validity). ICRU 49 computes helium
// ions with the shell corrections of protons at the same velocity.

#include "core/physics/BetheCorrections.h"
#include "core/physics/LocalPlasmaShells.h"

#include <string>
#include <vector>

namespace alphastop::tables {

struct ShellCorrectionPoint {
  double energy = 0.0;  // helium energy, MeV
  double barkas = 0.0;  // L1 that went with X, per unit projectile charge
  double shell = 0.0;   // X = C/Z (+ delta/2 of the reference state, nil below ~200 MeV)
};

struct ShellCorrectionBlock {
  int z = 0;
  std::string material;                      // "graphite", "amorphous_carbon", "iron"...
  double meanExcitationEnergy = 0.0;         // eV, the I X was recovered with
  std::vector<ShellCorrectionPoint> points;  // ascending in energy
};

// The block of element z: graphite's or amorphous carbon's for carbon; nullptr for the
// elements ICRU 49 does not tabulate.
const ShellCorrectionBlock* ShellCorrectionBlockOf(int z, bool amorphousCarbon);

// X of a block at helium energy T (MeV): Y = X - L1, which is smooth where L1 has the kinks
// of its table, interpolated linearly in ln T, plus BarkasTerm at T. Y is held at its end
// values beyond the block's energies (about 1 to 1190 MeV); below ~2 MeV X is no Bethe
// shell correction but what ICRU 49's proton fits imply.
double ShellCorrection(const ShellCorrectionBlock& block, const Kinematics& k, double energyMeV);

// X of one element, ICRU 49's where it tabulates the element. Elsewhere the local-plasma
// estimate (LocalPlasmaShells.h) with the element's I, corrected by the error that same
// estimate makes on the nearest tabulated elements below and above, interpolated linearly in Z
// between them: the estimate's error changes slowly from one element to the next, and ICRU 49
// gives it where it tabulates. At 4 MeV this brings Bethe's formula for the compared materials
// with such elements (LiF, CaF2, NaI, PTFE, bone and tissue substitutes) from up to 2.8 % off
// their tables to within 1.6 %.
struct ElementShellCorrection {
  struct Anchor {
    const ShellCorrectionBlock* block = nullptr;
    LocalPlasmaModel plasma;  // of the anchor's element, with its block's I
    double weight = 0.0;
  };
  int z = 0;
  const ShellCorrectionBlock* block = nullptr;  // ICRU 49's own X
  LocalPlasmaModel plasma;                      // where there is none
  std::vector<Anchor> anchors;                  // the nearest blocks below and above
};

// Precondition: 1 <= z <= 92, meanExcitationEnergy (eV) > 0. Carbon takes amorphous carbon's
// block or graphite's.
ElementShellCorrection MakeElementShellCorrection(int z, double meanExcitationEnergy,
                                                  bool amorphousCarbon);

double ShellCorrection(const ElementShellCorrection& element, const Kinematics& k,
                       double energyMeV);

}  // namespace alphastop::tables
