// Arbitrary doubles through the readout format and back through the energy box's reading:
// a readout must have the pattern, keep its value to the rounding of four digits, and
// keep the order of the values it shows.

#include <algorithm>
#include <cstring>
#include <variant>

#include "FuzzCheck.h"
#include "core/lookup/EnergyInput.h"
#include "core/text/NumberFormat.h"

using alphastop::FormatReadout;
using alphastop::ReadTypedEnergy;
using alphastop::fuzz::Require;

namespace {

// A readout typed back into the energy box: a number alone, never refused.
double TypedBack(const std::string& text) {
  const alphastop::Checked<double> read = ReadTypedEnergy(text);
  Require(std::holds_alternative<double>(read), "a readout types back as a number", text);
  return std::get<double>(read);
}

// Normal doubles below the largest (1.798E+308).
bool TypesBack(double value) {
  return std::fabs(value) > 2.2251e-308 && std::fabs(value) < 1.797e308;
}

void CheckOne(double value) {
  const std::string text = FormatReadout(value);
  if (std::isnan(value)) return Require(text == "nan", "nan is written as nan", text);
  if (std::isinf(value))
    return Require(text == (value < 0 ? "-inf" : "inf"), "infinity is written so", text);
  Require(alphastop::fuzz::IsReadoutText(text), "the readout has the pattern 0.000E+00", text);
  Require((text[0] == '-' ? text[1] : text[0]) != '0' || value == 0, "a leading zero only for zero",
          text);
  if (value > 0)
    Require(FormatReadout(-value) == "-" + text, "a negative value reads as its minus", text);
  // Typed back into the energy box: readouts that round past the largest double or into the
  // subnormals cannot be typed back; the energy box refuses those anyway.
  const double back = TypedBack(text);
  if (std::isinf(back))
    return Require(std::fabs(value) > 1.797e308, "a readout read back as infinity", text);
  if (back == 0 && value != 0)
    return Require(std::fabs(value) < 2.2251e-308, "a readout read back as zero", text);
  // Half a unit of the fourth digit is at most 5e-4 of the readout's own value.
  Require(std::fabs(back - value) <= 5.0000001e-4 * std::fabs(back),
          "a readout keeps its value to four digits", text);
  Require(FormatReadout(back) == text, "a readout typed back shows the same readout", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double values[2] = {0, 0};
  const std::size_t count = std::min<std::size_t>(size / sizeof(double), 2);
  std::memcpy(values, data, count * sizeof(double));
  for (std::size_t i = 0; i < count; ++i) CheckOne(values[i]);
  if (count == 2 && TypesBack(values[0]) && TypesBack(values[1])) {
    const double low = std::min(values[0], values[1]), high = std::max(values[0], values[1]);
    Require(TypedBack(FormatReadout(low)) <= TypedBack(FormatReadout(high)),
            "readouts keep the order of their values",
            FormatReadout(low) + " " + FormatReadout(high));
  }
  return 0;
}
