// Arbitrary text typed as an energy (or a nuclide's name), a thickness or a range, an angle, a
// pressure, a temperature or a density: each reads as a finite value in its range (an energy
// above zero, a distance of zero or more, an angle from 0 to below 90 degrees) or is refused
// with a message that quotes the text; a distance shows as a length in a unit that fits, and
// a nuclide found is found again by its own name.

#include <limits>
#include <regex>

#include "FuzzCheck.h"
#include "core/data/TextEncoding.h"
#include "core/nuclides/Nuclides.h"
#include "core/text/NumberFormat.h"
#include "core/units/ConditionText.h"
#include "core/units/QuantityText.h"

using namespace alphastop;
using alphastop::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 256) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string quoted = QuotedText(text);

  const auto requireWithin = [&](const Checked<double>& read, double low, double high,
                                 const char* what) {
    if (const double* value = ValueOf(read))
      Require(std::isfinite(*value) && *value >= low && *value < high, what, text);
    else
      Require(Refused(read)->message.starts_with(quoted), "a refusal quotes the text", text);
  };
  const double above = std::nextafter(0.0, 1.0), huge = std::numeric_limits<double>::infinity();
  requireWithin(ParseEnergy(text), above, huge, "an energy is finite and above zero");
  requireWithin(ParseEnergyOrNuclide(text), above, huge, "an energy or line is above zero");
  requireWithin(ParseAngle(text), 0, 90, "an angle lies from 0 to below 90 degrees");
  requireWithin(ParsePressure(text), above, huge, "a pressure is finite and above zero");
  requireWithin(ParseTemperature(text), above, huge, "a temperature is above absolute zero");
  requireWithin(ParseDensity(text), above, huge, "a density is finite and above zero");
  const Checked<Nuclide> found = FindNuclide(text);
  if (const Nuclide* nuclide = ValueOf(found))
    Require(ValueOf(FindNuclide(nuclide->name)) != nullptr, "a nuclide is found by its name", text);

  for (const Distance distance : {Distance::Thickness, Distance::Range}) {
    const Checked<Thickness> thickness = ParseThickness(text, distance);
    if (const Refusal* no = Refused(thickness)) {
      Require(no->message.starts_with(quoted), "a distance's refusal quotes it", text);
      continue;
    }
    const Thickness t = *ValueOf(thickness);
    Require(std::isfinite(t.value) && t.value >= 0, "a distance is finite, zero or more", text);
    const Checked<double> areal = ToArealDensity(t, 2.33);
    if (const double* g = ValueOf(areal)) {
      // "inf µm" where g/cm2 near the largest double are beyond a double in µm.
      static const std::regex length(
          R"(0 µm|inf µm|[0-9.]{5,8} (nm|µm|mm|cm|m)|[0-9]\.[0-9]{3}E[+-][0-9]{2,3} (nm|m))");
      const std::string shown = FormatLength(ArealDensityToMicrometres(*g, 2.33));
      Require(std::regex_match(shown, length), "a length shows four digits and a unit", shown);
    }
  }
  return 0;
}
