#pragma once
// The CSDA range between two adjacent rows of a table, as the range functions read it.
//
// A table gives the range at its rows only; between them the range follows the path the
// particle takes as the stopping power falls. The total stopping power is read on the
// straight line on log-log axes through the two rows, S = S_1 (E/E_1)^p, as
// InterpolateStopPower reads it, and the range follows the integral of 1/S along it,
// scaled so that both rows' own ranges are met exactly:
//   R(E) = R_1 + (R_2 - R_1) ((E/E_1)^q - 1) / ((E_2/E_1)^q - 1),   q = 1 - p,
// which is R_1 + (R_2 - R_1) ln(E/E_1) / ln(E_2/E_1) where q = 0. A thin layer then takes
// S t of the energy, as far as the table's two columns agree (dR/dE = c/S, c the scale).
// Where the stopping powers cannot give a line (a value not above zero or not finite), q is
// the slope of the ranges' own log-log line, on which the same form is R = R_1 (E/E_1)^q.

#include "core/data/MaterialTable.h"

namespace alphastop {

class CsdaSegment {
 public:
  // Rows high - 1 and high, 2 <= high <= RowCount, of a table whose energies and CSDA
  // ranges are above zero and ascend (RangeChecks.h checks a table for it).
  CsdaSegment(const MaterialTable& table, int high);

  // The same between any two points of a curve: energies e1 < e2 (MeV), their CSDA
  // ranges r1 < r2 (g/cm2) and total stopping powers s1, s2 (MeV cm2/g).
  CsdaSegment(double e1, double r1, double s1, double e2, double r2, double s2);

  // The CSDA range (g/cm2) at energy (MeV), and the energy at a CSDA range: each other's
  // inverse. Held within the two rows' values, so the rows' own values give each other
  // back and a value just outside them, by rounding, gives the nearer row's.
  double RangeAt(double energy) const;
  double EnergyAt(double range) const;

 private:
  double e1_, e2_, r1_, r2_;
  double exponent_;  // q
  double logSpan_;   // ln(E_2/E_1)
  double growth_;    // (E_2/E_1)^q - 1, or 0 where q is 0
};

}  // namespace alphastop
