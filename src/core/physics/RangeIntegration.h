#pragma once
// Ranges of a slowing-down ion in the continuous-slowing-down approximation (CSDA).

#include <functional>
#include <vector>

namespace alphastop::tables {

struct Ranges {
  std::vector<double> csda;       // g/cm2, at each requested energy
  std::vector<double> projected;  // g/cm2, mean penetration along the initial direction
};

// Integrates up to each energy of `energies` (MeV, ascending, > 0):
//   CSDA range       R(E)   = integral from 0 to E of dE'/S(E'),
//   projected range  R_p(E) = integral from 0 to E of exp(-integral from E' to E of
//                             k(E'') dE''/S(E'')) dE'/S(E'),
// where S is the total mass stopping power (MeV cm2/g) and k the transport cross-section per
// unit mass (cm2/g): the mean direction cosine decays as exp(-integral of k ds) along the path
// (Lewis, Phys. Rev. 78, 526 (1950)). Below the first energy down to 1e-9 MeV the same
// integrals run on a logarithmic grid; what lies below that is taken with S proportional to
// sqrt(E). Both functions must be positive.
Ranges IntegrateRanges(const std::function<double(double)>& totalStopping,
                       const std::function<double(double)>& transportPerMass,
                       const std::vector<double>& energies);

}  // namespace alphastop::tables
