#pragma once
// Ranges of a slowing-down ion in the continuous-slowing-down approximation (CSDA).

#include <functional>
#include <vector>

namespace alphastop::tables {

inline constexpr double PathStartMeV = 1e-5;

struct Ranges {
  std::vector<double> csda;       // g/cm2, at each requested energy
  std::vector<double> projected;  // g/cm2, mean penetration along the initial direction
};

// Integrates up to each energy of `energies` (MeV, ascending, from PathStartMeV up):
//   CSDA range       R(E)   = integral from PathStartMeV to E of dE'/S(E'),
//   projected range  R_p(E) = integral from PathStartMeV to E of exp(-integral from E' to E of
//                             k(E'') dE''/S(E'')) dE'/S(E'),
// where S is the total mass stopping power (MeV cm2/g) and k the transport cross-section per
// unit mass (cm2/g): the mean direction cosine decays as exp(-integral of k ds) along the path
// (Lewis, Phys. Rev. 78, 526 (1950)). Both integrals start at PathStartMeV (10 eV), as the
// tables of ICRU Report 49 are integrated: below the energies of chemical binding and atomic
// displacement an ion no longer slows down continuously, and the path it still travels there
// is no part of its CSDA range. From there to the first energy they run on a logarithmic grid.
// Both functions must be positive from PathStartMeV up.
Ranges IntegrateRanges(const std::function<double(double)>& totalStopping,
                       const std::function<double(double)>& transportPerMass,
                       const std::vector<double>& energies);

}  // namespace alphastop::tables
