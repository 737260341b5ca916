// Arbitrary text typed as an energy, a thickness or a range: each reads as a finite value in
// its range (an energy above zero, a distance of zero or more) or is refused with a message
// that quotes the text; a distance shows as a length in a unit that fits.

#include <regex>

#include "FuzzCheck.h"
#include "core/data/TextEncoding.h"
#include "core/text/NumberFormat.h"
#include "core/units/QuantityText.h"

using namespace alphastop;
using alphastop::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 256) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string quoted = QuotedText(text);

  const Checked<double> energy = ParseEnergy(text);
  if (const double* value = ValueOf(energy))
    Require(std::isfinite(*value) && *value > 0, "an energy is finite and above zero", text);
  else
    Require(Refused(energy)->message.starts_with(quoted), "an energy's refusal quotes it", text);

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
      static const std::regex length(
          R"(0 µm|[0-9.]{5,8} (nm|µm|mm|cm|m)|[0-9]\.[0-9]{3}E[+-][0-9]{2,3} (nm|m))");
      const std::string shown = FormatLength(ArealDensityToMicrometres(*g, 2.33));
      Require(std::regex_match(shown, length), "a length shows four digits and a unit", shown);
    }
  }
  return 0;
}
