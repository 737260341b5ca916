// Arbitrary text in the energy box: the reading never yields nan, takes only the leading
// number, ignores blanks wherever they stand, and what it reads shows as a readout that,
// typed in again, looks up the same readout.

#include "FuzzCheck.h"
#include "core/lookup/EnergyInput.h"
#include "core/text/NumberFormat.h"

using alphastop::FormatReadout;
using alphastop::ReadTypedEnergy;
using alphastop::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double energy = ReadTypedEnergy(text);
  Require(!std::isnan(energy), "a typed text never reads as nan", text);
  if (text.find_first_of("0123456789") == std::string::npos)
    Require(energy == 0, "a text without a digit reads as 0", text);
  // What follows the number is ignored, and blanks, tabs and line ends are skipped wherever they
  // stand.
  Require(ReadTypedEnergy(text + "x") == energy, "text after the number is ignored", text);
  for (const char* blank : {" ", "\t", "\r\n"}) {
    const std::string spaced =
        text.substr(0, text.size() / 2) + blank + text.substr(text.size() / 2);
    Require(ReadTypedEnergy(spaced) == energy, "blanks inside the text are skipped", text);
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && text[first] != '-' && text[first] != '+')
    Require(ReadTypedEnergy("-" + text) == -energy, "a minus in front negates the energy", text);

  if (!std::isfinite(energy)) return 0;
  const std::string shown = FormatReadout(energy);
  Require(alphastop::fuzz::IsReadoutText(shown), "the energy shows in the pattern 0.000E+00",
          shown);
  if (alphastop::IsEnergyInRange(energy)) {
    // Enter on the rewritten box looks up the rounded energy, which shows the same text.
    const double again = ReadTypedEnergy(shown);
    Require(std::fabs(again - energy) <= 5.0000001e-4 * std::fabs(again),
            "the readout keeps four digits", shown);
    Require(FormatReadout(again) == shown, "the rewritten energy shows unchanged", shown);
  }
  return 0;
}
