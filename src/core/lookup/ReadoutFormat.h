#pragma once
#include <string>

namespace alphastop {

// The readout pattern "0.000E+00": one digit, "." and three decimals rounded to nearest,
// "E", the exponent's sign always written, at least two exponent digits. A rounding that
// carries (9.9996 -> 1.000E+01) raises the exponent. The point is always ".".
// Non-finite values, which no valid table produces, are written as "nan", "inf", "-inf".
std::string FormatReadout(double value);

}  // namespace alphastop
