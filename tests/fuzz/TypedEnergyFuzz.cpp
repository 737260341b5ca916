// Arbitrary text in the energy box: the reading never yields nan, refuses rather than
// ignores what follows the number, names the text it refuses, ignores blanks wherever they
// stand, and what it reads shows as a readout that, typed in again, looks up the same readout.

#include <variant>

#include "FuzzCheck.h"
#include "core/data/TextEncoding.h"
#include "core/lookup/EnergyInput.h"
#include "core/text/NumberFormat.h"

using alphastop::Checked;
using alphastop::FormatReadout;
using alphastop::ReadTypedEnergy;
using alphastop::Refusal;
using alphastop::fuzz::Require;

namespace {

bool Refused(const Checked<double>& read) { return std::holds_alternative<Refusal>(read); }

// The energy read, or nan where the text is refused: two readings agree when these are equal
// or both nan.
double ValueOf(const Checked<double>& read) {
  return Refused(read) ? std::nan("") : std::get<double>(read);
}

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Checked<double> read = ReadTypedEnergy(text);
  if (const auto* no = std::get_if<Refusal>(&read))
    Require(no->message.starts_with(alphastop::QuotedText(text)), "a refusal names the text", text);
  const double energy = ValueOf(read);
  Require(Refused(read) || !std::isnan(energy), "a typed text never reads as nan", text);
  if (text.find_first_of("0123456789") == std::string::npos)
    Require(energy == 0, "a text without a digit reads as 0", text);
  // What follows the number and its unit is refused, never ignored; a unit scales the number.
  const Checked<double> followed = ReadTypedEnergy(text + "x");
  Require(Refused(followed) || (ValueOf(followed) == 0 && energy == 0),
          "text after a number is refused", text);
  if (const Checked<double> inKeV = ReadTypedEnergy(text + "keV");
      !Refused(read) && !Refused(inKeV))
    Require(Same(ValueOf(inKeV), energy * 1e-3), "keV after the number scales it", text);
  for (const char* blank : {" ", "\t", "\r\n"}) {
    const std::string spaced =
        text.substr(0, text.size() / 2) + blank + text.substr(text.size() / 2);
    Require(Same(ValueOf(ReadTypedEnergy(spaced)), energy), "blanks inside the text are skipped",
            text);
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && text[first] != '-' && text[first] != '+')
    Require(Same(ValueOf(ReadTypedEnergy("-" + text)), -energy),
            "a minus in front negates the energy", text);

  if (Refused(read) || !std::isfinite(energy)) return 0;
  const std::string shown = FormatReadout(energy);
  Require(alphastop::fuzz::IsReadoutText(shown), "the energy shows in the pattern 0.000E+00",
          shown);
  if (alphastop::IsEnergyInRange(energy)) {
    // Enter on the rewritten box looks up the rounded energy, which shows the same text.
    const double again = ValueOf(ReadTypedEnergy(shown));
    Require(std::fabs(again - energy) <= 5.0000001e-4 * std::fabs(again),
            "the readout keeps four digits", shown);
    Require(FormatReadout(again) == shown, "the rewritten energy shows unchanged", shown);
  }
  return 0;
}
