#pragma once
// The alpha emitters a user may name wherever an energy is typed: "Am-241" stands for
// 5.48556 MeV, the principal line of americium-241. The list is data/nuclides.tsv, embedded
// when building; its header cites the evaluation the energies and intensities come from.
// The file: lines "nuclide<TAB>energy_keV<TAB>intensity_percent", one a line, a nuclide's
// lines together and strongest first; blank lines and lines starting with '#' are skipped.

#include <string>
#include <string_view>
#include <vector>

#include "core/units/Checked.h"

namespace alphastop {

struct AlphaLine {
  double energyKeV = 0;         // kinetic energy of the alpha particle, keV, above zero
  double intensityPercent = 0;  // alphas per 100 decays of the nuclide, above 0 and <= 100
};

struct Nuclide {
  std::string name;              // "Am-241": the element symbol, '-', the mass number
  std::vector<AlphaLine> lines;  // as the file lists them, strongest first; never empty
  const AlphaLine& PrincipalLine() const { return lines.front(); }
};

// The nuclides of a text in the file's form, in its order. Refused, naming the line, where
// a line has not three fields, a name not of the form "Am-241", a number that does not
// parse or lies out of its range, a nuclide whose lines are not together or not strongest
// first, or where the text lists no nuclide.
Checked<std::vector<Nuclide>> ParseNuclideList(std::string_view text);

// The shipped list (data/nuclides.tsv), read once; its text as embedded.
const std::vector<Nuclide>& ShippedNuclides();
std::string_view ShippedNuclidesText();

// Whether text (blanks around it aside) has the form of a nuclide name: one or two letters,
// an optional '-' or blank, and a mass number of one to three digits, in any letter case
// ("Am-241", "am241", "AM 241", "Xx-999"). A number with a unit never has it.
bool LooksLikeNuclide(std::string_view text);

// The nuclide of the shipped list that text names, in any of the forms above. Refused where
// text is not of that form, or is and names no listed nuclide: "Xx-999": unknown nuclide ...
Checked<Nuclide> FindNuclide(std::string_view text);

// An energy in MeV as a user types it anywhere an energy is asked for: a nuclide's name
// gives the energy of its principal line (an unlisted one is refused, naming it);
// anything else is read by ParseEnergy (core/units/QuantityText.h) and refused as it
// refuses, but for a text beginning with a letter: "neither an energy nor a nuclide".
Checked<double> ParseEnergyOrNuclide(std::string_view text);

}  // namespace alphastop
