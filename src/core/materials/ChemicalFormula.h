#pragma once
// Composition by weight from a chemical formula such as "H2O", "C2H4", "Ca(OH)2" or
// "C1.5H2" (counts may be decimal).

#include "core/materials/Material.h"
#include "core/units/Checked.h"

#include <string_view>
#include <vector>

namespace alphastop::tables {

// Fractions by weight in order of first appearance of each element.
// Refused, quoting the formula, for an unknown element symbol or a malformed formula:
//   formula "H2Xx": unknown element symbol "Xx"
Checked<std::vector<ElementFraction>> CompositionOfFormula(std::string_view formula);

}  // namespace alphastop::tables
