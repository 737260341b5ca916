#pragma once
// Coefficients of the low-energy fit to the electronic stopping of helium ions in the
// elements: J. F. Ziegler, "Helium: Stopping Powers and Ranges in All Elemental Matter",
// Pergamon Press (1977), with beryllium as adopted in ICRU Report 49 (1993).

namespace alphastop::tables {

struct HeliumFitCoefficients {
  double a1, a2, a3, a4, a5;
};

// The coefficients for element z, in the fit's own units (eV per 1e15 atoms/cm2, energy in
// keV for the low-energy branch and in MeV for the high-energy branch).
// Precondition: 1 <= z <= 92.
const HeliumFitCoefficients& ZieglerHeliumCoefficients(int z);

// ICRU Report 49 coefficients for amorphous (condensed) carbon.
const HeliumFitCoefficients& AmorphousCarbonCoefficients();

// Ziegler's 1977 coefficients for beryllium. The ICRU Report 49 beryllium coefficients fit the
// data below 1 MeV but bend away above; the 1977 curve follows the data from 1 MeV on.
const HeliumFitCoefficients& Beryllium1977Coefficients();

// Electronic stopping of one atom from the fit at helium energy T (MeV), T >= 1 keV,
// in eV per 1e15 atoms/cm2:
//   S_low = a1 (T/keV)^a2,  S_high = a3/(T/MeV) ln(1 + a4/(T/MeV) + a5 T/MeV),
//   S = S_low S_high / (S_low + S_high).
double FitStoppingPerAtom(const HeliumFitCoefficients& c, double energyMeV);

}  // namespace alphastop::tables
