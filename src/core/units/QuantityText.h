#pragma once
// Quantities as the user types them: a number, then a unit, with blanks allowed around
// both. The number reads the same in every locale: an optional sign, digits with at most
// one ".", and an optional exponent ("e" or "E", an optional sign, digits), so "1e2keV" is
// 100 keV and "2500eV" 2500 eV. A refusal quotes the text first, e.g.
//   "5 furlongs": unknown unit "furlongs" (use um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2)
// Empty text, text that is no number, numbers beyond a double ("1e999", "nan", "inf") and
// quantities that overflow in their unit are refused.

#include <optional>
#include <string_view>

#include "core/units/Checked.h"
#include "core/units/Thickness.h"

namespace alphastop {

// An energy in MeV, finite and above zero ("0" and "-5" are refused). Units eV, keV, MeV
// and GeV, in any letter case ("mev" is MeV: milli-electronvolts lie far below every
// table); a bare number is in MeV.
Checked<double> ParseEnergy(std::string_view text);

// The MeV in one of the energy unit named eV, keV, MeV or GeV, in any letter case, as
// ParseEnergy reads units; nullopt for any other name.
std::optional<double> EnergyUnitInMeV(std::string_view name);
// The energy units as a message lists them.
inline constexpr std::string_view EnergyUnitNames = "eV, keV, MeV or GeV";

// What a distance typed is, for the words of a refusal.
enum class Distance { Thickness, Range };

// The unit a bare number of ParseThickness is in, for a label beside the box.
inline constexpr const char* BareDistanceUnit = "g/cm\u00b2";

// A thickness or a range, finite and zero or more ("-5" is refused: "a thickness cannot be
// negative", or "a range cannot be negative"). Units spelt exactly
// as here, since m and M differ: the lengths nm, um, mm, cm and m (µm also with the micro
// sign U+00B5 or the Greek mu U+03BC, in UTF-8); the areal densities ug/cm2 (µg/cm2),
// mg/cm2 and g/cm2. A bare number is in g/cm2.
Checked<Thickness> ParseThickness(std::string_view text, Distance distance = Distance::Thickness);

// ParseThickness, then ToArealDensity in a material of this density: g/cm2, or the
// refusal of either step.
Checked<double> ParseArealDensity(std::string_view text, std::optional<double> density,
                                  Distance distance = Distance::Thickness);

}  // namespace alphastop
