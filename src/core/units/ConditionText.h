#pragma once
// The conditions of a layer as the user types them: the angle at which the particle meets
// it, and the pressure, temperature or density of its matter. Numbers read as in
// QuantityText.h (a sign, digits with at most one ".", an optional exponent, the same in
// every locale), blanks allowed around number and unit, units in any letter case. Every
// refusal quotes the text first, e.g.
//   "20": a pressure needs a unit (Pa, kPa, hPa, mbar, bar, Torr or atm)

#include <string_view>

#include "core/units/Checked.h"

namespace alphastop {

// The angle of incidence in degrees, from the normal of the layers: 0 <= angle < 90. A
// bare number, "deg" or the degree sign ("30", "30deg", "30°"). Negative angles, 90 and
// more, and text that is no number are refused.
Checked<double> ParseAngle(std::string_view text);

// A pressure in Pa, finite and above zero: Pa, kPa, hPa, mbar, bar, Torr (133.322 Pa,
// 1/760 atm) and atm (101325 Pa). A bare number is refused: no unit is usual enough to
// be taken for granted.
Checked<double> ParsePressure(std::string_view text);

// A temperature in K, above absolute zero: K, or degrees Celsius written C or °C
// ("20 C", "20°C", "293.15 K"). A bare number is refused, since kelvin and Celsius both
// are common.
Checked<double> ParseTemperature(std::string_view text);

// A density in g/cm3, finite and above zero: a bare number or "g/cm3".
Checked<double> ParseDensity(std::string_view text);

}  // namespace alphastop
