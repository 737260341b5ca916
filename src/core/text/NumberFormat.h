#pragma once
// Numbers written as text, the same way everywhere and whatever the locale: the readouts,
// the data files the generator writes, the messages that quote a table's values.

#include <string>

namespace alphastop {

// Scientific notation as the data files print it ("%.3E" in the C locale): one digit, ".",
// `decimals` digits rounded to nearest (a tie goes to the even digit), "E", the exponent's
// sign always, at least two exponent digits (1.000E+100 in full). A rounding that carries
// (9.9996 -> 1.000E+01) raises the exponent. Non-finite values read "nan", "inf", "-inf".
std::string FormatScientific(double value, int decimals = 3);

// The readout pattern "0.000E+00": FormatScientific with three decimals, where -0 reads
// 0.000E+00 because it is the same energy or stopping power as 0.
std::string FormatReadout(double value);

// Fifteen significant digits without trailing zeros ("0.001", "1.066e-05", "5500"), for
// machine formats: a number first written with fifteen digits or fewer, as every table
// value is, reads back as the same double, and a computed one loses nothing that matters
// while 6 um stays "6" rather than "6.000000000000001". Non-finite values as FormatScientific.
std::string FormatFullPrecision(double value);

// A length given in µm, in the unit of nm, µm, mm, cm and m that keeps its four significant
// digits between 1 and 999 ("27.83 µm", "33.75 mm", "1.000 mm" for 999.96 µm), the micro
// sign in UTF-8. Below 1 nm in nm (below 0.001 nm as FormatScientific: "4.292E-05 nm"), from
// 1000 m on in m as FormatScientific ("1.234E+04 m");
// 0 reads "0 µm", non-finite values as FormatScientific in µm.
std::string FormatLength(double micrometres);

}  // namespace alphastop
