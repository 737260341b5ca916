#pragma once
// Shell correction of the Bethe formula in the local plasma approximation (J. Lindhard and
// M. Scharff, Mat. Fys. Medd. Dan. Vid. Selsk. 27, no. 15 (1953)). Each volume element of an
// atom stops the ion like a free electron gas of the local density: its logarithm is set by the
// local plasma energy (all scaled by one factor so that the material's mean excitation energy
// comes out), lowered by the Fermi motion of its electrons (3/5 v_F^2 / v^2, the mean square
// velocity of a free gas). An element the ion is too slow for still stops it in proportion to
// v^3 (J. Lindhard and A. Winther, Mat. Fys. Medd. Dan. Vid. Selsk. 34, no. 4 (1964)): its
// stopping number is at least (v/v_F)^3 C(chi), with v capped at v_F. Electron densities of the
// free atoms from AtomicElectronDensity. The shell term C/Z is what the local sum falls short of
// ln(2 m c^2 eta^2 / I).

#include "core/physics/BetheCorrections.h"
#include "core/materials/Material.h"

#include <vector>

namespace alphastop::tables {

struct PlasmaCell {
  double electronShare = 0.0;    // fraction of all the material's electrons in this cell
  double logPlasmaEnergy = 0.0;  // ln(scaled local plasma energy / eV)
  double fermiVelocity2 = 0.0;   // (v_F / v_Bohr)^2
  double slowStoppingNumber =
      0.0;  // C(chi) of Lindhard and Winther: the stopping number at v = v_F
};

struct LocalPlasmaModel {
  std::vector<PlasmaCell> cells;
  double logMeanExcitation = 0.0;  // ln(I / eV)
};

// The cells of every element of the material, weighted by its electrons.
LocalPlasmaModel MakeLocalPlasmaModel(const Material& material);

// C/Z at the given velocity; positive, tending to zero as 1/v^2 at high velocity.
double LocalPlasmaShellTerm(const LocalPlasmaModel& model, const Kinematics& k);

}  // namespace alphastop::tables
