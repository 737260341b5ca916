#pragma once
// The materials file: one material a line, fields separated by '|':
//   name | file name | gas or condensed | density (g/cm3) | I (eV) | Z:fraction Z:fraction ...
//   [| fit=<molecule>]
// The phase is gas, condensed, or amorphous (a condensed amorphous solid). The last field names
// the molecule whose low-energy fit the material takes (Material::moleculeFit); without it the
// material takes none.
// Lines that are blank or start with '#' are skipped. Fractions are by weight.

#include "core/materials/Material.h"
#include "core/units/Checked.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace alphastop::tables {

// Parses the whole text. Refused naming the line of the first fault (a missing field, a
// number that does not parse, or a material that fails ValidateMaterial).
Checked<std::vector<Material>> ParseMaterialList(std::string_view text);

// Checks a material and renormalises its fractions to add up to exactly 1. Returns the reason
// it is unusable, or nullopt. Accepted: 0 < density <= 30 g/cm3, 10 eV <= I <= 2000 eV,
// and a composition CheckComposition accepts.
std::optional<Refusal> ValidateMaterial(Material& material);

// The ranges ValidateMaterial accepts: 0 < density <= 30 g/cm3; 10 eV <= I <= 2000 eV.
bool UsableDensity(double density);
bool UsableMeanExcitationEnergy(double ivalue);

// Checks fractions by weight: atomic numbers 1..92 each once, fractions above 0 adding up
// to 1 within 1e-3, which are then renormalised to add up to exactly 1. Returns the reason
// they are unusable ("fractions by weight sum to 0.9, not 1"), or nullopt.
std::optional<Refusal> CheckComposition(std::vector<ElementFraction>& composition);

// The materials shipped with the program (data/materials.txt, embedded when building).
std::string_view ShippedMaterialsText();
// The materials of ShippedMaterialsText(); empty were it faulty, which its tests rule out.
std::vector<Material> ShippedMaterials();

}  // namespace alphastop::tables
