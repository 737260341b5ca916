#pragma once
#include <string>

namespace alphastop {

// The readout pattern "0.000E+00": one digit, "." and three decimals rounded to nearest,
// "E", the exponent's sign always written, at least two exponent digits. A rounding that
// carries (9.9996 -> 1.000E+01) raises the exponent. The point is always ".", whatever the
// locale. A value exactly halfway between two readouts goes to the even last digit; -0
// reads as 0.000E+00. Three-digit exponents are written in full (1.000E+100).
// Non-finite values, which no valid table produces, are written as "nan", "inf", "-inf".
std::string FormatReadout(double value);

}  // namespace alphastop
