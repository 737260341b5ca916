#pragma once
// A material as the table generator sees it: density, mean excitation energy, phase and
// composition by weight.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/units/Checked.h"

namespace alphastop::tables {

enum class Phase { Gas, Condensed };

struct ElementFraction {
  int z = 0;            // atomic number, 1..92
  double weight = 0.0;  // fraction by weight; the fractions of a material add up to 1
};

struct Material {
  std::string name;      // e.g. "Water, liquid"
  std::string fileName;  // e.g. "Water_liquid.asc"; elements end in .as
  Phase phase = Phase::Condensed;
  double density = 0.0;               // g/cm3
  double meanExcitationEnergy = 0.0;  // I, eV
  std::vector<ElementFraction> composition;
  bool amorphous = false;  // an amorphous solid (selects amorphous-carbon data)
  // The molecule whose low-energy fit the material takes (HeliumFits.h names them): its id,
  // "" for none, or unset for the one whose composition and phase it has. The shipped list
  // names it, since materials of one composition may differ (polyethylene, polypropylene).
  std::optional<std::string> moleculeFit;
};

// The title written on line 2 of a table: the name in capitals ("WATER, LIQUID").
std::string MaterialTitle(const Material& material);

// The file name of a user's material from its name: "Polyethylene naphthalate" gives
// "Polyethylene_naphthalate.asc". ASCII letters, digits and '-' are kept; any run of other
// characters, '_' among them, becomes one '_', none at either end. Refused where no letter,
// digit or '-' is left to name the file by.
Checked<std::string> MaterialFileName(std::string_view name);

// Z/A of the material, mol/g: sum of w_i Z_i / A_i.
double ElectronsPerMass(const Material& material);

}  // namespace alphastop::tables
