#pragma once
#include <string_view>

namespace alphastop {

inline constexpr double LowestEnergy = 0.001;  // MeV, accepted
inline constexpr double HighestEnergy = 1000;  // MeV, accepted

// The leading number of a typed energy in MeV. Blanks, tabs, carriage returns and line
// feeds are skipped anywhere ("1 5" reads 15); then an optional sign, digits with at most
// one "." (whatever the locale) and an optional exponent ("e" or "E", optional sign,
// digits). Reading stops at the first character that cannot continue the number
// ("5 MeV" reads 5). No leading number reads 0; a magnitude beyond a double reads as
// +/- infinity, which the range check refuses.
double ReadTypedEnergy(std::string_view text);

// LowestEnergy <= energy <= HighestEnergy, compared as doubles.
bool IsEnergyInRange(double energy);

}  // namespace alphastop
