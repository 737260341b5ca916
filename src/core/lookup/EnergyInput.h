#pragma once
#include <string_view>

#include "core/units/Checked.h"

namespace alphastop {

inline constexpr double LowestEnergy = 0.001;  // MeV, accepted
inline constexpr double HighestEnergy = 1000;  // MeV, accepted

// The energy typed in the energy box, in MeV. Blanks, tabs, carriage returns and line feeds
// are skipped anywhere ("1 5" reads 15); then comes the leading number: an optional sign,
// digits with at most one "." (whatever the locale) and an optional exponent ("e" or "E",
// optional sign, digits). An energy unit may follow it, eV, keV, MeV or GeV in any letter
// case ("800keV" reads 0.8, "5 MeV" 5, "1e2eV" 1e-4); any other text after the number is
// refused, quoted in the message with the whole text ("5,5", "5 furlongs", "1.2.3").
// No leading number reads 0 ("abc", ""); a magnitude beyond a double reads as +/- infinity.
// Neither is refused here: IsEnergyInRange refuses them, as it refuses every energy outside
// the accepted range.
Checked<double> ReadTypedEnergy(std::string_view text);

// LowestEnergy <= energy <= HighestEnergy, compared as doubles.
bool IsEnergyInRange(double energy);

}  // namespace alphastop
